// SPDX-License-Identifier: MIT
#pragma once
// Reading a size of the pin description: descriptions come from spreadsheets
// of either decimal convention, so "0,8" and "0.8" both mean 0.8.

#include <optional>
#include <string_view>

namespace quillon {

// Text with every "," read as "." and taken as one decimal fraction (an
// optional "-", digits with at most one "."; no exponent, no blanks). Anything
// else ("1.2.5", "1,2.5", "", "inf") gives nullopt. The result does not depend
// on the locale. A number too large for a double gives infinity, one too
// small gives 0.
std::optional<double> ParseNumber(std::string_view Text);

}  // namespace quillon
