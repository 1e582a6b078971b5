// SPDX-License-Identifier: MIT
#pragma once
// "%4.2f" of a board coordinate as a LineBuilder piece. A board's
// coordinates lie on a grid of some ten thousand values that its writers
// print millions of times, so each thread remembers the texts it printed
// (text/TextMemo.h); the text is the same as F42's.

#include "text/TextLines.h"

namespace quillon {

struct F42Coord {
  double Value;
};

LineBuilder& operator<<(LineBuilder& L, F42Coord C);
inline LineBuilder& operator<<(LineBuilder&& L, F42Coord C) { return L << C; }

}  // namespace quillon
