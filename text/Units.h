// SPDX-License-Identifier: MIT
#pragma once
// The units of the system: millimetres per database unit of a plot file (the
// window's "MM", "Inch" and "PInch", the command line's --dbu) and the units
// of a pin description's sizes. Every front end starts at the same factor.

#include <optional>
#include <string_view>

namespace quillon {

constexpr double DbuFactorMm = 0.01;
constexpr double DbuFactorInch = 0.0254;
constexpr double DbuFactorPInch = 0.025;

// Every front end starts with "Inch".
constexpr double DefaultDbuFactor = DbuFactorInch;

// A metre per database unit is beyond any plot; a factor such as 1e300 would
// turn every coordinate into hundreds of digits or infinity.
constexpr double MaxDbuFactor = 1000.0;

// "mm" 0.01, "inch" 0.0254, "pinch" 0.025 (any letter case), or a decimal
// number with "." as point. nullopt for anything else and for a factor that is
// not a positive number up to MaxDbuFactor: such a factor would print
// nonsense or nothing.
std::optional<double> ParseDbuFactor(std::string_view Text);

// Units of a pin description's sizes, in the order of the window's unit lists.
struct TPinUnit {
  const char* Name;  // as shown: "MM", "Inch", ...
  double Factor;     // to millimetres
};
constexpr int PinUnitCount = 6;
extern const TPinUnit PinUnits[PinUnitCount];

}  // namespace quillon
