// SPDX-License-Identifier: MIT
#include "text/HugePages.h"

#include <sys/mman.h>

#include <cstdint>
#include <new>

namespace quillon {

namespace {

constexpr std::uintptr_t Huge = std::uintptr_t{2} << 20;

std::uintptr_t RoundUp(std::uintptr_t N) { return (N + Huge - 1) & ~(Huge - 1); }

}  // namespace

void AdviseHugePages(const void* Data, std::size_t Bytes) {
#ifdef MADV_HUGEPAGE
  const auto Start = reinterpret_cast<std::uintptr_t>(Data);
  const std::uintptr_t Begin = RoundUp(Start);
  const std::uintptr_t End = (Start + Bytes) & ~(Huge - 1);
  if (End > Begin) ::madvise(reinterpret_cast<void*>(Begin), End - Begin, MADV_HUGEPAGE);
#else
  (void)Data;
  (void)Bytes;
#endif
}

void* MapHugeBlock(std::size_t Bytes) {
  // One huge page more than needed, so that an aligned start lies inside;
  // the unused ends go back at once.
  const std::size_t Length = RoundUp(Bytes);
  void* Mapped =
      ::mmap(nullptr, Length + Huge, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (Mapped == MAP_FAILED) throw std::bad_alloc();
  const auto Start = reinterpret_cast<std::uintptr_t>(Mapped);
  const std::uintptr_t Aligned = RoundUp(Start);
  if (Aligned > Start) ::munmap(Mapped, Aligned - Start);
  if (Start + Huge > Aligned)
    ::munmap(reinterpret_cast<void*>(Aligned + Length), Start + Huge - Aligned);
  // Only the whole huge pages the block fills: the rest of the last one stays
  // in small pages, so that no block holds up to 2 MiB it never uses.
  AdviseHugePages(reinterpret_cast<void*>(Aligned), Bytes);
  return reinterpret_cast<void*>(Aligned);
}

void UnmapHugeBlock(void* Block, std::size_t Bytes) { ::munmap(Block, RoundUp(Bytes)); }

void* THugeBlockResource::do_allocate(std::size_t Bytes, std::size_t Alignment) {
  if (Bytes >= HugeBlockBytes && Alignment <= Huge) return MapHugeBlock(Bytes);
  return std::pmr::new_delete_resource()->allocate(Bytes, Alignment);
}

void THugeBlockResource::do_deallocate(void* Block, std::size_t Bytes, std::size_t Alignment) {
  if (Bytes >= HugeBlockBytes && Alignment <= Huge)
    UnmapHugeBlock(Block, Bytes);
  else
    std::pmr::new_delete_resource()->deallocate(Block, Bytes, Alignment);
}

}  // namespace quillon
