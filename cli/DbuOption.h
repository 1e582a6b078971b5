#pragma once
// --dbu: the factor from database units to millimetres, by the window's unit
// names or as a number.

#include <optional>
#include <string_view>

namespace quillon::cli {

// "mm" 0.01, "inch" 0.0254, "pinch" 0.025 (any letter case), or a decimal
// number with "." as point. nullopt for anything else and for a factor that is
// not a positive number up to MaxDbuFactor: such a factor would print
// nonsense or nothing.
std::optional<double> ParseDbuFactor(std::string_view Text);

// A metre per database unit is beyond any plot; a factor such as 1e300 would
// turn every coordinate into hundreds of digits or infinity.
constexpr double MaxDbuFactor = 1000.0;

// The window starts with "Inch".
constexpr double DefaultDbuFactor = 0.0254;

}  // namespace quillon::cli
