// SPDX-License-Identifier: MIT
#include "script/gerber/GerberApertures.h"

#include "text/NumberFormat.h"

namespace quillon {

char GerberShapeLetter(std::uint8_t Shape) {
  switch (Shape) {
    case shapeCircle:
      return 'C';
    case shapeSquare:
      return 'R';
    default:
      return '?';
  }
}

void AppendGerberApertureDefinition(std::string& Out, const TApertureTableItem& Row) {
  const char Letter = GerberShapeLetter(Row.Shape);
  Out += "%ADD";
  fmt::AppendInt(Out, Row.DCode);
  Out += Letter;
  Out += ',';
  fmt::AppendFixed(Out, Row.Size, 4, 2);
  Out += 'X';
  // A round aperture's second value is 0.
  fmt::AppendFixed(Out, Letter == 'R' ? Row.Size : 0.0, 4, 2);
  Out += "*%";
}

std::string GerberApertureDefinition(const TApertureTableItem& Row) {
  std::string S;
  AppendGerberApertureDefinition(S, Row);
  return S;
}

}  // namespace quillon
