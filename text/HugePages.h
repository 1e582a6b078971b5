// SPDX-License-Identifier: MIT
#pragma once
// Big buffers are faulted in 2 MiB at a time where the system gives huge
// pages on request: a board of a million items, or its output, touches tens
// of megabytes, and 4 KiB faults at several microseconds each cost more than
// reading or formatting them.

#include <cstddef>
#include <memory>
#include <memory_resource>

namespace quillon {

// Asks for huge pages over the whole 2 MiB pieces inside the block; does
// nothing for a small block or where the system has no such request.
void AdviseHugePages(const void* Data, std::size_t Bytes);

// A block of Bytes mapped on a 2 MiB boundary and advised before anything
// touches it (advice after the first touch comes too late for those pages).
// Throws std::bad_alloc.
void* MapHugeBlock(std::size_t Bytes);
void UnmapHugeBlock(void* Block, std::size_t Bytes);

// From this size on a block is mapped on its own; smaller ones come from the heap.
inline constexpr std::size_t HugeBlockBytes = std::size_t{2} << 20;

// The allocator of the model's big lists.
template <class T>
struct THugePageAllocator {
  using value_type = T;
  THugePageAllocator() = default;
  template <class U>
  THugePageAllocator(const THugePageAllocator<U>&) noexcept {}

  T* allocate(std::size_t N) {
    if (N * sizeof(T) >= HugeBlockBytes) return static_cast<T*>(MapHugeBlock(N * sizeof(T)));
    return std::allocator<T>().allocate(N);
  }
  void deallocate(T* Block, std::size_t N) noexcept {
    if (N * sizeof(T) >= HugeBlockBytes)
      UnmapHugeBlock(Block, N * sizeof(T));
    else
      std::allocator<T>().deallocate(Block, N);
  }
  template <class U>
  bool operator==(const THugePageAllocator<U>&) const noexcept {
    return true;
  }
};

// The same rule for arenas: the blocks an arena asks for, mapped on their
// own from HugeBlockBytes on.
class THugeBlockResource final : public std::pmr::memory_resource {
 private:
  void* do_allocate(std::size_t Bytes, std::size_t Alignment) override;
  void do_deallocate(void* Block, std::size_t Bytes, std::size_t Alignment) override;
  bool do_is_equal(const std::pmr::memory_resource& Other) const noexcept override {
    return this == &Other;
  }
};

}  // namespace quillon
