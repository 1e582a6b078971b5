#include "script/AtomicFile.h"
#include "script/OutputCollisions.h"
#include "script/ScriptPcb.h"

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
  std::string Chunk;
  Chunk.reserve(ChunkBytes);
  for (const TOutputFile& File : Files)
    WriteLines(*File.Lines, File.Path, File.LineEnd, MayStream(File, Files), Chunk);
}

}  // namespace quillon
