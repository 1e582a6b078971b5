// SPDX-License-Identifier: MIT
#pragma once
// An owning, ordered list of items kept contiguously. Items keep the order in
// which they were added; every writer emits them in that order.

#include <cstddef>
#include <utility>
#include <vector>

#include "text/HugePages.h"

namespace quillon {

template <class T, class Alloc = THugePageAllocator<T>>
class TCollection {
 public:
  using allocator_type = Alloc;

  TCollection() = default;
  explicit TCollection(const Alloc& Allocator) : ItemList(Allocator) {}
  // A list inside another list's memory takes that list's allocator.
  TCollection(const TCollection& Other, const Alloc& Allocator)
      : ItemList(Other.ItemList, Allocator) {}
  TCollection(TCollection&& Other, const Alloc& Allocator)
      : ItemList(std::move(Other.ItemList), Allocator) {}

  int Count() const { return static_cast<int>(ItemList.size()); }
  T& Items(int Index) { return ItemList[static_cast<std::size_t>(Index)]; }
  const T& Items(int Index) const { return ItemList[static_cast<std::size_t>(Index)]; }

  // Appends an item with every number 0, every string empty and every owned
  // collection empty, or one made from Args. The reference is valid until the
  // next Add.
  template <class... TArgs>
  T& Add(TArgs&&... Args) {
    return ItemList.emplace_back(std::forward<TArgs>(Args)...);
  }
  // Replaces the items with copies of [First, Last), in one allocation.
  template <class TIter>
  void Assign(TIter First, TIter Last) {
    ItemList.assign(First, Last);
  }

  void Clear() { ItemList.clear(); }
  void Reserve(std::size_t N) { ItemList.reserve(N); }
  bool Empty() const { return ItemList.empty(); }

  auto begin() { return ItemList.begin(); }
  auto end() { return ItemList.end(); }
  auto begin() const { return ItemList.begin(); }
  auto end() const { return ItemList.end(); }

 private:
  std::vector<T, Alloc> ItemList;
};

}  // namespace quillon
