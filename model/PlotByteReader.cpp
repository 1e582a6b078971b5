// SPDX-License-Identifier: MIT
#include "model/PlotByteReader.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "model/PlotError.h"

namespace quillon {

namespace {

std::string SystemReason(int Error) { return Error ? std::strerror(Error) : "unknown error"; }

// One byte more than a regular file holds, so that its first read already
// meets the end; BlockSize when the size is not known or larger.
std::size_t BlockFor(std::FILE* File, std::size_t BlockSize) {
  struct stat Info {};
  if (::fstat(::fileno(File), &Info) == 0 && S_ISREG(Info.st_mode) && Info.st_size >= 0)
    BlockSize = std::min(BlockSize, static_cast<std::size_t>(Info.st_size) + 1);
  return std::max<std::size_t>(BlockSize, 1);
}

}  // namespace

TPlotByteReader::TPlotByteReader(const std::string& FileName, TUserPrompts& Prompts,
                                 std::size_t BlockSize)
    : Name(FileName), Prompts(Prompts) {
  errno = 0;
  File.reset(std::fopen(FileName.c_str(), "rb"));
  if (!File)
    throw TPlotError("Cannot open file \"" + FileName + "\". " + SystemReason(errno), FileName);
  BufferSize = BlockFor(File.get(), BlockSize);
  Buffer = std::make_unique_for_overwrite<std::uint8_t[]>(BufferSize);
  // The first block is read at once, so that a path that opens but cannot be
  // read (a folder) is reported as an open error, before any byte is taken.
  errno = 0;
  Len = std::fread(Buffer.get(), 1, BufferSize, File.get());
  if (std::ferror(File.get()))
    throw TPlotError("Cannot open file \"" + FileName + "\". " + SystemReason(errno), FileName);
  Eof = Len < BufferSize;
}

bool TPlotByteReader::Refill() {
  if (Eof) return false;
  BlockStart += static_cast<std::int64_t>(Len);
  Pos = 0;
  errno = 0;
  Len = std::fread(Buffer.get(), 1, BufferSize, File.get());
  if (std::ferror(File.get()))
    throw TPlotError("Cannot read file \"" + Name + "\". " + SystemReason(errno), Name, Offset());
  Eof = Len < BufferSize;
  return Len > 0;
}

void TPlotByteReader::FailAtEnd() {
  const std::int64_t At = Offset();
  Prompts.NotifyUser("EOF!!!!!");
  throw TPlotError("Read beyond end of file", Name, At);
}

}  // namespace quillon
