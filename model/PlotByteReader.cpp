#include "model/PlotByteReader.h"

#include <cerrno>
#include <cstring>

#include "model/PlotError.h"

namespace quillon {

namespace {

std::string SystemReason(int Error) { return Error ? std::strerror(Error) : "unknown error"; }

}  // namespace

TPlotByteReader::TPlotByteReader(const std::string& FileName, TUserPrompts& Prompts,
                                 std::size_t BlockSize)
    : Name(FileName), Prompts(Prompts), Buffer(BlockSize ? BlockSize : 1) {
  errno = 0;
  File.reset(std::fopen(FileName.c_str(), "rb"));
  if (!File)
    throw TPlotError("Cannot open file \"" + FileName + "\". " + SystemReason(errno), FileName);
  // The first block is read at once, so that a path that opens but cannot be
  // read (a folder) is reported as an open error, before any byte is taken.
  errno = 0;
  Len = std::fread(Buffer.data(), 1, Buffer.size(), File.get());
  if (std::ferror(File.get()))
    throw TPlotError("Cannot open file \"" + FileName + "\". " + SystemReason(errno), FileName);
  Eof = Len < Buffer.size();
}

bool TPlotByteReader::Refill() {
  if (Eof) return false;
  BlockStart += static_cast<std::int64_t>(Len);
  Pos = 0;
  errno = 0;
  Len = std::fread(Buffer.data(), 1, Buffer.size(), File.get());
  if (std::ferror(File.get()))
    throw TPlotError("Cannot read file \"" + Name + "\". " + SystemReason(errno), Name, Offset());
  Eof = Len < Buffer.size();
  return Len > 0;
}

void TPlotByteReader::FailAtEnd() {
  const std::int64_t At = Offset();
  Prompts.NotifyUser("EOF!!!!!");
  throw TPlotError("Read beyond end of file", Name, At);
}

}  // namespace quillon
