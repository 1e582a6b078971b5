// SPDX-License-Identifier: MIT
#pragma once
// The aperture definition of a legacy Gerber layer file: every row of the
// conversion's aperture table, a circle or a rectangle of its size.

#include <cstdint>
#include <string>

#include "pins/ApertureTable.h"

namespace quillon {

// 'C' for a circle, 'R' for a square, '?' for anything else.
char GerberShapeLetter(std::uint8_t Shape);

// "%ADD10C,0.2500X0.0000*%" / "%ADD12R,1.5000X1.5000*%"
void AppendGerberApertureDefinition(std::string& Out, const TApertureTableItem& Row);
std::string GerberApertureDefinition(const TApertureTableItem& Row);

}  // namespace quillon
