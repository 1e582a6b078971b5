// SPDX-License-Identifier: MIT
#pragma once
// Text from outside the program (the plot's path, a layer name, a plot text)
// written into one line of an output: a CR, LF or NUL byte in it would end
// the line early and let the rest stand as a line of its own (a command, in a
// script), so each is written as "?". Every other byte stays as it is.

#include <string_view>

#include "text/TextLines.h"

namespace quillon {

constexpr bool BreaksLine(char C) { return C == '\r' || C == '\n' || C == '\0'; }

struct TOneLine {
  std::string_view Text;
};
inline TOneLine OneLine(std::string_view Text) { return {Text}; }

inline LineBuilder& operator<<(LineBuilder& L, const TOneLine& T) {
  for (const char C : T.Text) L << (BreaksLine(C) ? '?' : C);
  return L;
}
inline LineBuilder& operator<<(LineBuilder&& L, const TOneLine& T) { return L << T; }

}  // namespace quillon
