#pragma once
// The Excellon drill file of the fab profile: one tool per distinct hole
// diameter (to a thousandth of a millimetre), smallest first, and every hole
// in the order of the drill layer's flashes within its tool.

#include <vector>

#include "text/TextLines.h"

namespace quillon::fab {

struct TDrillHole {
  double X = 0;  // millimetres
  double Y = 0;
  double Diameter = 0;
};

// Holes whose diameter rounds to 0.000 are left out: a pin without a hole
// (a surface pad) has nothing to drill.
void WriteExcellon(const std::vector<TDrillHole>& Holes, TTextLines& Out);

}  // namespace quillon::fab
