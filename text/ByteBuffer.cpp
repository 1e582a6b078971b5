// SPDX-License-Identifier: MIT
#include "text/ByteBuffer.h"

#include <cstdlib>
#include <new>
#include <utility>

namespace quillon {

TByteBuffer::~TByteBuffer() { std::free(Bytes); }

void TByteBuffer::Swap(TByteBuffer& Other) noexcept {
  std::swap(Bytes, Other.Bytes);
  std::swap(Used, Other.Used);
  std::swap(Allocated, Other.Allocated);
}

void TByteBuffer::Reserve(std::size_t N) {
  if (N > Allocated) Reallocate(N);
}

void TByteBuffer::Grow(std::size_t N) {
  if (N > static_cast<std::size_t>(-1) / 2 - Used) throw std::bad_alloc();
  const std::size_t Needed = Used + N;
  const std::size_t Doubled = Allocated * 2;
  Reallocate(Doubled > Needed ? Doubled : Needed < 64 ? 64 : Needed);
}

// realloc keeps the whole old allocation, written room included, and moves a
// big block by remapping its pages rather than copying them.
void TByteBuffer::Reallocate(std::size_t NewCapacity) {
  void* Moved = std::realloc(Bytes, NewCapacity);
  if (!Moved) throw std::bad_alloc();
  Bytes = static_cast<char*>(Moved);
  Allocated = NewCapacity;
}

}  // namespace quillon
