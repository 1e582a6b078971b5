// SPDX-License-Identifier: MIT
#pragma once
// A text as the strokes of the stroke font, placed in its box (TextExtent):
// what the fab files draw and the preview shows. Each character sits in its
// cell of the box, the font's cell band (StrokeFont.h) scaled to the
// character height; a glyph wider than the cell's ink part (all of a cell
// but the gap of 0.43 W before the next) is narrowed to it, so the strokes
// of a string stay inside its box, grown by half the stroke width.

#include <cstdint>
#include <vector>

#include "font/PointMm.h"
#include "font/TextExtent.h"
#include "model/Pcb.h"

namespace quillon::font {

// Texts are drawn with a round pen of 10 database units, as the CAM350 macro
// draws them, so both outputs show them equally bold.
constexpr std::int32_t TextStrokeUnits = 10;
inline double TextStrokeWidth(double Scale) { return TextStrokeUnits * Scale; }

struct TTextStrokes {
  TTextExtent Extent;
  // Polylines in board millimetres: polyline i runs from Points[Ends[i-1]]
  // (0 for the first) to Points[Ends[i] - 1]; each has at least two points.
  std::vector<TPointMm> Points;
  std::vector<std::uint32_t> Ends;
  double Width = 0;      // the pen's diameter, millimetres
  int Placeholders = 0;  // characters drawn as the open box
};

enum class TTextDrawn : std::uint8_t {
  Drawn,   // every character drawn (some perhaps as the box)
  Empty,   // no characters
  NoSize,  // the size gives no positive, finite height: nothing drawn
};

// Fills Out (cleared first; its memory is reused) with the strokes of Text.
TTextDrawn DrawTextStrokes(const TPcbText& Text, double Scale, TTextStrokes& Out);

}  // namespace quillon::font
