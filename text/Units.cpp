// SPDX-License-Identifier: MIT
#include "text/Units.h"

#include <charconv>
#include <cmath>

#include "text/AsciiCase.h"

namespace quillon {

const TPinUnit PinUnits[PinUnitCount] = {
    {"MM", 1.0},      {"Inch", 25.4},   {"PInch", 25.0},
    {"Net1.25", 0.8}, {"mkm*10", 0.01}, {"mil", 0.0254},
};

std::optional<double> ParseDbuFactor(std::string_view Text) {
  const std::string Name = LowerAscii(Text);
  if (Name == "mm") return DbuFactorMm;
  if (Name == "inch") return DbuFactorInch;
  if (Name == "pinch") return DbuFactorPInch;
  double Value = 0;
  const char* End = Text.data() + Text.size();
  const auto R = std::from_chars(Text.data(), End, Value);
  if (R.ec != std::errc() || R.ptr != End) return std::nullopt;
  if (!std::isfinite(Value) || !(Value > 0) || Value > MaxDbuFactor) return std::nullopt;
  return Value;
}

}  // namespace quillon
