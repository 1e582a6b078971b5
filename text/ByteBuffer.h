// SPDX-License-Identifier: MIT
#pragma once
// A growable run of bytes that its writers fill in place: they ask for room,
// write into it and keep what they wrote. A big board's output is millions
// of short lines, and copying each line from where it was built costs about
// as much as building it.

#include <cstddef>
#include <cstring>
#include <string_view>

namespace quillon {

class TByteBuffer {
 public:
  TByteBuffer() = default;
  TByteBuffer(const TByteBuffer& Other) { Append(Other.View()); }
  TByteBuffer(TByteBuffer&& Other) noexcept { Swap(Other); }
  TByteBuffer& operator=(TByteBuffer Other) noexcept {
    Swap(Other);
    return *this;
  }
  ~TByteBuffer();
  void Swap(TByteBuffer& Other) noexcept;

  std::size_t Size() const { return Used; }
  bool Empty() const { return Used == 0; }
  std::size_t Capacity() const { return Allocated; }
  const char* Data() const { return Bytes; }
  std::string_view View() const { return {Bytes, Used}; }
  bool operator==(const TByteBuffer& Other) const { return View() == Other.View(); }

  void Clear() { Used = 0; }
  // Drops the bytes from Size on; a larger Size changes nothing.
  void Truncate(std::size_t Size) { Used = Size < Used ? Size : Used; }
  // Untouched room costs address space only: its pages are taken when written.
  void Reserve(std::size_t Bytes);

  // Room for N bytes after the kept ones; returns where it starts. Bytes
  // written there count only once KeepTo says so. Asking again keeps what
  // was written in the room so far (up to the end of the earlier room).
  char* Room(std::size_t N) {
    if (Allocated - Used < N) Grow(N);
    return Bytes + Used;
  }
  // Keeps the bytes up to End, which lies in the room last asked for.
  void KeepTo(const char* End) { Used = static_cast<std::size_t>(End - Bytes); }

  void Append(std::string_view Text) {
    if (Text.empty()) return;
    std::memcpy(Room(Text.size()), Text.data(), Text.size());
    Used += Text.size();
  }

 private:
  void Grow(std::size_t N);
  void Reallocate(std::size_t NewCapacity);  // throws std::bad_alloc

  char* Bytes = nullptr;
  std::size_t Used = 0;
  std::size_t Allocated = 0;
};

}  // namespace quillon
