#include "script/AtomicFile.h"
#include "script/ScriptPcb.h"

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

}  // namespace

void TScriptingPcb::SaveToFile(const std::string& FileName) const {
  std::string Chunk;
  Chunk.reserve(ChunkBytes);
  for (const TOutputFile& File : OutputFiles(FileName)) WriteLines(*File.Lines, File.Path, Chunk);
}

}  // namespace quillon
