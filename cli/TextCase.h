#pragma once
// Letter case of option values and layer names: ASCII letters only, as the
// window compares layer names.

#include <string>
#include <string_view>

namespace quillon::cli {

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

}  // namespace quillon::cli
