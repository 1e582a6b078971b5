// SPDX-License-Identifier: MIT
#pragma once
// Reads a CAM350 v5 macro back into what it draws on each layer: the commands
// that define layers, apertures and padstacks, and those that add lines,
// rectangles, circles, arcs, padstacks, pourings with their voids and texts.
// Every other command is reported with its line, never guessed at.

#include <string_view>

#include "check/scripts/DrawnItems.h"

namespace quillon::check::scripts {

TDrawnFile ReadCam350Macro(std::string_view Text);

// The plot's justification 8 v + h of a CAM350 text justification code: 1
// left, 2 right, 8 top, 16 bottom, and 4 centred on an axis that has neither
// (4 alone: centred both ways; 12 centred on the top line; 5 left, in the
// middle); 0 when Code is none of the nine.
std::uint8_t PlotJustificationOfCam350(int Code);

}  // namespace quillon::check::scripts
