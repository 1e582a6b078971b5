// SPDX-License-Identifier: MIT
#pragma once
// Where a plot text's characters lie. The plot file gives a text only by
// anchor, justification, height, rotation and mirror; the character model is
// the one the text writers use to place strings: a character is 0.808 of the
// text size high and 0.76 of that wide, and a string is its characters less
// 0.43 of a character width long. The fab writer draws its strokes in this
// box and the preview shows it: both take it from here.

#include <array>
#include <cstdint>

#include "font/PointMm.h"
#include "model/Pcb.h"

namespace quillon::font {

constexpr double TextHeightFactor = 0.808;
constexpr double TextWidthRatio = 0.76;
constexpr double TextEndAllowance = 0.43;

struct TTextExtent {
  TPointMm Anchor;
  double Height = 0;     // character height H
  double CharWidth = 0;  // W = 0.76 H
  double Length = 0;     // C W - 0.43 W, never below 0
  // Lower-left, lower-right, upper-right, upper-left of the unmirrored,
  // unrotated box, then mirrored about the anchor's vertical and turned
  // counter-clockwise about the anchor by the text's rotation.
  std::array<TPointMm, 4> Corners;

  // A point given in the box's own frame (X along the string from its
  // start, Y up from its foot, before mirror and rotation) on the board.
  TPointMm ToBoard(double X, double Y) const;

  // What ToBoard applies: the box's lower-left corner relative to the
  // anchor, the mirror, and the rotation's cosine and sine.
  TPointMm Low;
  bool Mirror = false;
  double Cos = 1, Sin = 0;
};

// Lower-left corner of the box relative to the anchor for a justification
// code 8 v + h (v: 3 centred, 4 starting, 5 ending at the anchor; h: 1 anchor
// at the top, 2 at the foot, 3 at the middle). A code outside the nine is
// placed as 34, starting at the anchor on the foot line.
TPointMm JustificationOffset(std::uint8_t Justification, double Length, double Height);

TTextExtent EstimateTextExtent(const TPcbText& Text, double Scale);

}  // namespace quillon::font
