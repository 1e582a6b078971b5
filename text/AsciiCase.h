// SPDX-License-Identifier: MIT
#pragma once
// Letter case of option values, layer names and keywords: ASCII letters
// only. The other bytes are Windows-1251 letters whose case no output or
// comparison of ours folds, and a locale's tolower would fold them on one
// machine and not on another.

#include <string>
#include <string_view>

namespace quillon {

inline std::string LowerAscii(std::string_view Text) {
  std::string S(Text);
  for (char& C : S)
    if (C >= 'A' && C <= 'Z') C = static_cast<char>(C - 'A' + 'a');
  return S;
}

inline std::string UpperAscii(std::string_view Text) {
  std::string S(Text);
  for (char& C : S)
    if (C >= 'a' && C <= 'z') C = static_cast<char>(C - 'a' + 'A');
  return S;
}

}  // namespace quillon
