#pragma once
// An owning, ordered list of items kept contiguously. Items keep the order in
// which they were added; every writer emits them in that order.

#include <cstddef>
#include <vector>

#include "text/HugePages.h"

namespace quillon {

template <class T>
class TCollection {
 public:
  int Count() const { return static_cast<int>(ItemList.size()); }
  T& Items(int Index) { return ItemList[static_cast<std::size_t>(Index)]; }
  const T& Items(int Index) const { return ItemList[static_cast<std::size_t>(Index)]; }

  // Appends an item with every number 0, every string empty and every owned
  // collection empty. The reference is valid until the next Add.
  T& Add() { return ItemList.emplace_back(); }

  void Clear() { ItemList.clear(); }
  void Reserve(std::size_t N) { ItemList.reserve(N); }
  bool Empty() const { return ItemList.empty(); }

  auto begin() { return ItemList.begin(); }
  auto end() { return ItemList.end(); }
  auto begin() const { return ItemList.begin(); }
  auto end() const { return ItemList.end(); }

 private:
  std::vector<T, THugePageAllocator<T>> ItemList;
};

}  // namespace quillon
