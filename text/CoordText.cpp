// SPDX-License-Identifier: MIT
#include "text/CoordText.h"

#include "text/TextMemo.h"

namespace quillon {

LineBuilder& operator<<(LineBuilder& L, F42Coord C) {
  // Up to 10 metres ("-9999.99"): 16-byte entries, four to a cache line;
  // longer texts are rare and printed each time.
  constexpr std::size_t MaxText = 7;
  static_assert(MaxText <= fmt::MaxQuickFixedChars);
  thread_local TTextMemo<double, MaxText> Memo;
  const auto Write = [&](char* At) {
    return Memo.Write(At, C.Value, [&](char* To) { return fmt::WriteFixedQuick(To, C.Value, 2, 4); });
  };
  if (!L.TryWrite(fmt::MaxQuickFixedChars, Write)) L << F42(C.Value);
  return L;
}

}  // namespace quillon
