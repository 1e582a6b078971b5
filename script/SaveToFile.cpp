#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

#include "script/SaveError.h"
#include "script/ScriptPcb.h"

namespace quillon {

namespace {

constexpr std::size_t ChunkBytes = 1 << 20;

std::string SystemReason(int Error) { return std::strerror(Error); }

class TFileWriter {
 public:
  explicit TFileWriter(const std::string& FileName) : FileName(FileName) {
    static std::atomic<unsigned> Counter{0};
    const std::string Base = FolderOf(FileName) + ".quillon-" + std::to_string(::getpid()) + "-";
    for (;;) {  // a name nobody else uses, in the same folder so rename stays atomic
      TempName = Base + std::to_string(Counter++) + ".tmp";
      Fd = ::open(TempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (Fd >= 0) return;
      if (errno != EEXIST) throw TSaveError(FileName, SystemReason(errno));
    }
  }
  ~TFileWriter() {
    if (Fd >= 0) ::close(Fd);
    if (!Committed) ::unlink(TempName.c_str());
  }
  TFileWriter(const TFileWriter&) = delete;
  TFileWriter& operator=(const TFileWriter&) = delete;

  void Write(const char* Data, std::size_t Size) {
    while (Size > 0) {
      const ssize_t N = ::write(Fd, Data, Size);
      if (N < 0) {
        if (errno == EINTR) continue;
        throw TSaveError(FileName, SystemReason(errno));
      }
      Data += N;
      Size -= static_cast<std::size_t>(N);
    }
  }

  // The file appears under its real name only once it is whole.
  void Commit() {
    const int Result = ::close(Fd);
    Fd = -1;
    if (Result != 0) throw TSaveError(FileName, SystemReason(errno));
    if (::rename(TempName.c_str(), FileName.c_str()) != 0)
      throw TSaveError(FileName, SystemReason(errno));
    Committed = true;
  }

 private:
  std::string FileName;
  std::string TempName;
  int Fd = -1;
  bool Committed = false;
};

// Every line ended by CR LF, bytes as they are; written in large chunks
// gathered in Chunk.
void WriteLines(const TTextLines& Lines, const std::string& FileName, std::string& Chunk) {
  TFileWriter File(FileName);
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
