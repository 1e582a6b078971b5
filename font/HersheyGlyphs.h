// SPDX-License-Identifier: MIT
#pragma once
// Glyphs of a Hershey vector font as its .jhf files hold them: one glyph per
// record, a five-digit glyph number, a three-digit count of coordinate pairs
// (the left and right bearing included), then the pairs, each coordinate a
// letter whose distance from 'R' is the value; " R" lifts the pen. Y points
// down, the base line lies at 9 and capitals rise to -12.

#include <cstdint>
#include <string_view>
#include <vector>

namespace quillon::font {

// Whole units in the files; a glyph derived from another (a small letter
// made from a capital) may fall between them.
struct TGlyphPoint {
  float X = 0;
  float Y = 0;
};

struct TGlyph {
  std::vector<TGlyphPoint> Points;
  std::vector<std::uint16_t> StrokeEnds;  // stroke i ends before Points[StrokeEnds[i]]
  // The ink's extent; all 0 for a glyph without strokes (the space).
  float MinX = 0, MaxX = 0, MinY = 0, MaxY = 0;

  bool Blank() const { return Points.empty(); }
  // Adds a stroke and grows the extent by it.
  void AddStroke(const std::vector<TGlyphPoint>& Stroke);
};

// The glyphs of a .jhf text in file order. A record may run over several
// lines (long glyphs are wrapped in some copies of the files); a record cut
// short or malformed ends the list there, so a damaged file gives fewer
// glyphs rather than wrong ones.
std::vector<TGlyph> ParseJhf(std::string_view Text);

}  // namespace quillon::font
