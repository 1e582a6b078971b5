#pragma once
// --dbu: the factor from database units to millimetres, by the window's unit
// names or as a number.

#include <optional>
#include <string_view>

namespace quillon::cli {

// "mm" 0.01, "inch" 0.0254, "pinch" 0.025 (any letter case), or a decimal
// number with "." as point. nullopt for anything else and for a factor that is
// not a finite positive number: such a factor would print nonsense or nothing.
std::optional<double> ParseDbuFactor(std::string_view Text);

// The window starts with "Inch".
constexpr double DefaultDbuFactor = 0.0254;

}  // namespace quillon::cli
