// SPDX-License-Identifier: MIT
#include "script/gerber/GerberCoordTexts.h"

#include <cstring>

namespace quillon {

namespace {

bool SameSettings(const TGerberCoord& A, const TGerberCoord& B) {
  return A.IntegerDigits == B.IntegerDigits && A.DecimalDigits == B.DecimalDigits &&
         A.ZeroMode == B.ZeroMode && A.ForcePlus == B.ForcePlus && A.DecimalChar == B.DecimalChar;
}

}  // namespace

void TGerberCoordTexts::Use(const TGerberCoord& NewCoord, double NewScale) {
  // Scales compared bit for bit: equal is not enough where 0 and -0 differ.
  const bool Same =
      SameSettings(Coord, NewCoord) && std::memcmp(&Scale, &NewScale, sizeof Scale) == 0;
  if (Memo && Same) return;
  Coord = NewCoord;
  Scale = NewScale;
  if (Memo)
    Memo->Clear();
  else
    Memo = std::make_unique<TTextMemo<std::int32_t, MaxText>>();
}

}  // namespace quillon
