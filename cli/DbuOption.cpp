#include "cli/DbuOption.h"

#include <charconv>
#include <cmath>

#include "cli/TextCase.h"

namespace quillon::cli {

std::optional<double> ParseDbuFactor(std::string_view Text) {
  const std::string Name = LowerAscii(Text);
  if (Name == "mm") return 0.01;
  if (Name == "inch") return 0.0254;
  if (Name == "pinch") return 0.025;
  double Value = 0;
  const char* End = Text.data() + Text.size();
  const auto R = std::from_chars(Text.data(), End, Value);
  if (R.ec != std::errc() || R.ptr != End) return std::nullopt;
  if (!std::isfinite(Value) || !(Value > 0) || Value > MaxDbuFactor) return std::nullopt;
  return Value;
}

}  // namespace quillon::cli
