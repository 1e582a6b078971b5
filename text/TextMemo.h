// SPDX-License-Identifier: MIT
#pragma once
// A memo of short texts by key, one entry per slot: the writers print the
// coordinates of a board, which lie on a grid of some ten thousand values,
// millions of times, and copying a remembered text costs a fraction of
// rounding and printing it again. A key that lands on a taken slot replaces
// what it held.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <vector>

namespace quillon {

template <class TKey, std::size_t MaxText>
class TTextMemo {
  static_assert(std::is_trivially_copyable_v<TKey> && sizeof(TKey) <= 8);
  static_assert(MaxText > 0 && MaxText < 256);

 public:
  // The texts a key stands for are the caller's to keep fixed: Clear when
  // they change.
  void Clear() { Entries.assign(Slots, TEntry()); }

  // The text of Key written at P, which has room for MaxText bytes more than
  // Make writes; returns its end. Make(P) writes the text at P and returns
  // its end, or nullptr for a key without one, which is not remembered; a
  // text longer than MaxText is written and not remembered either.
  template <class TMake>
  char* Write(char* P, TKey Key, TMake&& Make) {
    TEntry& E = Entries[SlotOf(Key)];
    if (E.Length != 0 && std::memcmp(&E.Key, &Key, sizeof Key) == 0) {
      std::memcpy(P, E.Text, MaxText);  // a fixed size: no call
      return P + E.Length;
    }
    char* End = Make(P);
    const auto Length = End ? static_cast<std::size_t>(End - P) : 0;
    if (Length > 0 && Length <= MaxText) {
      E.Key = Key;
      E.Length = static_cast<std::uint8_t>(Length);
      std::memcpy(E.Text, P, Length);
    }
    return End;
  }

 private:
  // 2^15 slots: the values of a 32-inch board in mils each find one.
  static constexpr unsigned SlotBits = 15;
  static constexpr std::size_t Slots = std::size_t{1} << SlotBits;

  struct alignas(sizeof(TKey) + 1 + MaxText <= 16 ? 16 : alignof(TKey)) TEntry {
    TKey Key{};
    std::uint8_t Length = 0;  // 0: empty
    char Text[MaxText] = {};
  };

  // Multiplicative hashing: the top bits of the product depend on every bit
  // of the key, so neighbouring values spread over the table.
  static std::size_t SlotOf(TKey Key) {
    std::uint64_t Bits = 0;
    std::memcpy(&Bits, &Key, sizeof Key);
    return static_cast<std::size_t>((Bits * 0x9E3779B97F4A7C15u) >> (64 - SlotBits));
  }

  std::vector<TEntry> Entries = std::vector<TEntry>(Slots);
};

}  // namespace quillon
