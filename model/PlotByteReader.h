// SPDX-License-Identifier: MIT
#pragma once
// Reads a plot file strictly forward, byte by byte as far as the reader can
// tell, but from a buffer filled in large blocks: a big plot holds millions of
// bytes, and one system call per byte would dominate a load.
//
// End of file behaves as if every byte were read on its own: AtEnd() is true
// exactly when no byte is left, and a read past the end first lets the user
// acknowledge "EOF!!!!!" and then stops the load with TPlotError
// "Read beyond end of file".

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "model/UserPrompts.h"

namespace quillon {

class TPlotByteReader {
 public:
  static constexpr std::size_t DefaultBlockSize = 256 * 1024;

  // Opens FileName; throws TPlotError with the system's reason when it cannot
  // be opened or read. Prompts receives the end-of-file message.
  TPlotByteReader(const std::string& FileName, TUserPrompts& Prompts,
                  std::size_t BlockSize = DefaultBlockSize);

  bool AtEnd() { return Pos == Len && !Refill(); }

  std::uint8_t ReadByte() {
    if (AtEnd()) FailAtEnd();
    return Buffer[Pos++];
  }
  // Low byte first.
  std::uint16_t ReadWord() {
    if (Len - Pos >= 2) {  // both bytes in the buffer: no end to check for
      const auto Word = static_cast<std::uint16_t>(Buffer[Pos] | (Buffer[Pos + 1] << 8));
      Pos += 2;
      return Word;
    }
    const std::uint8_t Low = ReadByte();
    return static_cast<std::uint16_t>(Low | (ReadByte() << 8));
  }
  // A word taken as two's complement: coordinates and the circle radius.
  std::int32_t ReadSigned() { return static_cast<std::int16_t>(ReadWord()); }

  // Byte offset of the next byte to be read.
  std::int64_t Offset() const { return BlockStart + static_cast<std::int64_t>(Pos); }
  const std::string& FileName() const { return Name; }

 private:
  bool Refill();
  [[noreturn]] void FailAtEnd();

  struct TCloser {
    void operator()(std::FILE* F) const { std::fclose(F); }
  };

  std::string Name;
  TUserPrompts& Prompts;
  std::unique_ptr<std::FILE, TCloser> File;
  // Never larger than the file needs and not zero-filled: a plot of a few
  // hundred bytes is loaded without touching a whole block.
  std::unique_ptr<std::uint8_t[]> Buffer;
  std::size_t BufferSize = 0;
  std::size_t Pos = 0;
  std::size_t Len = 0;
  std::int64_t BlockStart = 0;  // file offset of Buffer[0]
  bool Eof = false;
};

// Words are split into their bytes throughout the format.
inline std::uint8_t LowByte(std::uint16_t W) { return static_cast<std::uint8_t>(W & 0xFF); }
inline std::uint8_t HighByte(std::uint16_t W) { return static_cast<std::uint8_t>(W >> 8); }

}  // namespace quillon
