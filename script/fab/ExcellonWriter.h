// SPDX-License-Identifier: MIT
#pragma once
// The Excellon drill files of the fab profile, plated and non-plated: one
// tool per distinct hole diameter (to a thousandth of a millimetre), smallest first, and every hole
// in the order of the drill layer's flashes within its tool.

#include <span>
#include <string>
#include <vector>

#include "text/TextLines.h"

namespace quillon::fab {

struct TDrillHole {
  double X = 0;  // millimetres
  double Y = 0;
  double Diameter = 0;
  bool Plated = true;
};

// The plated or the non-plated holes of Holes as one file. Holes whose
// diameter rounds to 0.000 are left out: a pin without a hole (a surface
// pad) has nothing to drill. Nothing is written when no hole is left.
// Provenance (FabProvenance.h) goes into the header as "; #@! " comments,
// the form Excellon readers skip.
void WriteExcellon(const std::vector<TDrillHole>& Holes, bool Plated,
                   std::span<const std::string> Provenance, TTextLines& Out);

}  // namespace quillon::fab
