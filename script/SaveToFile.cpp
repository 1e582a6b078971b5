#include <stdexcept>

#include "script/AtomicFile.h"
#include "script/ScriptPcb.h"
#include "script/fab/FabZip.h"
#include "text/AsciiCase.h"

namespace quillon {

namespace {

constexpr std::size_t ChunkBytes = 1 << 20;

// Every line ended by CR LF, bytes as they are; written in large chunks
// gathered in Chunk.
void WriteLines(const TTextLines& Lines, const std::string& FileName, std::string& Chunk) {
  TAtomicFile File(FileName);
  Chunk.clear();
  for (int I = 0; I < Lines.Count(); ++I) {
    const std::string_view Line = Lines[I];
    if (Chunk.size() + Line.size() + 2 > ChunkBytes && !Chunk.empty()) {
      File.Write(Chunk.data(), Chunk.size());
      Chunk.clear();
    }
    if (Line.size() + 2 > ChunkBytes) {  // a huge line goes out directly
      File.Write(Line.data(), Line.size());
      File.Write("\r\n", 2);
      continue;
    }
    Chunk.append(Line);
    Chunk.append("\r\n");
  }
  File.Write(Chunk.data(), Chunk.size());
  File.Commit();
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

void TScriptingPcb::SaveToFile(const std::string& FileName) const {
  const std::vector<TOutputFile> Files = OutputFiles(FileName);
  const bool Zip = !ZipPath.empty() && FabPackageMade;
  if (Zip) {
    // Checked before anything is written: the archive must not replace a
    // file of the save (folded case, as Windows and macOS folders compare).
    for (const TOutputFile& File : Files)
      if (LowerAscii(File.Path) == LowerAscii(ZipPath))
        throw TSaveError(ZipPath, "it is also the name of the " +
                                      std::string(OutputRoleName(File.Role)) +
                                      " file of this save");
  }
  std::string Chunk;
  Chunk.reserve(ChunkBytes);
  for (const TOutputFile& File : Files) WriteLines(*File.Lines, File.Path, Chunk);
  if (Zip) WriteZip(Files, ZipPath);
}

}  // namespace quillon
