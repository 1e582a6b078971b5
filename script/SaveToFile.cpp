#include <stdexcept>

#include "script/AtomicFile.h"
#include "script/OutputCollisions.h"
#include "script/ScriptPcb.h"
#include "script/fab/FabZip.h"
#include "text/AsciiCase.h"

namespace quillon {

namespace {

constexpr std::size_t ChunkBytes = 1 << 20;

// Every line ended by Eol, bytes as they are; written in large chunks
// gathered in Chunk.
void WriteLines(const TTextLines& Lines, const std::string& FileName, std::string_view Eol,
                bool AllowStream, std::string& Chunk) {
  TAtomicFile File(FileName, AllowStream);
  Chunk.clear();
  for (int I = 0; I < Lines.Count(); ++I) {
    const std::string_view Line = Lines[I];
    if (Chunk.size() + Line.size() + Eol.size() > ChunkBytes && !Chunk.empty()) {
      File.Write(Chunk.data(), Chunk.size());
      Chunk.clear();
    }
    if (Line.size() + Eol.size() > ChunkBytes) {  // a huge line goes out directly
      File.Write(Line.data(), Line.size());
      File.Write(Eol.data(), Eol.size());
      continue;
    }
    Chunk.append(Line);
    Chunk.append(Eol);
  }
  File.Write(Chunk.data(), Chunk.size());
  File.Commit();
}

// Only the single file of a CAM350 or Genesis conversion may go to a device or
// a pipe: Gerber files are written beside it, in its folder.
bool MayStream(const TOutputFile& File, const std::vector<TOutputFile>& Files) {
  return File.Role == TOutputRole::Main && Files.size() == 1;
}

std::string BaseNameOf(const std::string& Path) {
  const std::size_t Slash = Path.rfind('/');
  return Slash == std::string::npos ? Path : Path.substr(Slash + 1);
}

// Every file of the package but the main output, at the archive's root.
void WriteZip(const std::vector<TOutputFile>& Files, const std::string& ZipPath) {
  std::vector<fab::TZipEntry> Entries;
  for (const TOutputFile& File : Files)
    if (File.Role != TOutputRole::Main)
      Entries.push_back({BaseNameOf(File.Path), File.Lines->Join()});
  std::string Bytes;
  try {
    Bytes = fab::ZipArchive(Entries);
  } catch (const std::runtime_error& E) {
    throw TSaveError(ZipPath, E.what());
  }
  TAtomicFile Zip(ZipPath);
  Zip.Write(Bytes.data(), Bytes.size());
  Zip.Commit();
}

}  // namespace

void TScriptingPcb::CheckOutputFiles(const std::vector<TOutputFile>& Files) const {
  if (const auto Collision = FindOutputCollision(Files, Layers))
    throw TOutputCollision(Files.front().Path, *Collision);
  for (const TOutputFile& File : Files) {
    RefuseInputAsOutput(File.Path, InputFiles);
    ResolveOutputTarget(File.Path, MayStream(File, Files));
  }
}

void TScriptingPcb::SaveToFile(const std::string& FileName) const {
  const std::vector<TOutputFile> Files = OutputFiles(FileName);
  CheckOutputFiles(Files);  // nothing is written when any file would be refused
  const bool Zip = !ZipPath.empty() && FabPackageMade;
  if (Zip) {
    // Checked before anything is written: the archive must not replace a
    // file of the save (folded case, as Windows and macOS folders compare).
    for (const TOutputFile& File : Files)
      if (LowerAscii(File.Path) == LowerAscii(ZipPath))
        throw TSaveError(ZipPath, "it is also the name of the " +
                                      std::string(OutputRoleName(File.Role)) +
                                      " file of this save");
    RefuseInputAsOutput(ZipPath, InputFiles);
    ResolveOutputTarget(ZipPath, false);
  }
  std::string Chunk;
  Chunk.reserve(ChunkBytes);
  for (const TOutputFile& File : Files)
    WriteLines(*File.Lines, File.Path, File.LineEnd, MayStream(File, Files), Chunk);
  if (Zip) WriteZip(Files, ZipPath);
}

}  // namespace quillon
