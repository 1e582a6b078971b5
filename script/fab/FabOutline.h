// SPDX-License-Identifier: MIT
#pragma once
// A board outline guessed from the plot header's extents, for plots that
// have no outline layer: a profile file holding their rectangle, drawn with a
// 0.1 mm line. The extents are where the plot's drawing lies, not
// necessarily the board's edge: the user checks the guess.

#include <cstdint>

#include "script/fab/FabGerberBody.h"
#include "text/TextLines.h"

namespace quillon {
class TScriptingPcb;
}

namespace quillon::fab {

// The width of the outline's line, as its aperture is written: "0.1".
inline constexpr double OutlineLineWidthMm = 0.1;

class TFabOutlineWriter {
 public:
  // Draws the rectangle; throws TConvertError when the extents enclose no
  // area.
  explicit TFabOutlineWriter(const TScriptingPcb& Board);
  std::int64_t Farthest() const { return Pen.Farthest(); }
  void Finish(int IntegerDigits, TTextLines& File);

 private:
  const TScriptingPcb& Board;
  TTextLines Body;
  TFabGerberBody Pen;
};

}  // namespace quillon::fab
