// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "font/HersheyGlyphs.h"

namespace quillon::font {
namespace {

// Simplex Roman's A: bearings -9 and 9, three strokes.
const char* const LetterA = "  501  9I[RFJ[ RRFZ[ RMTWT";

TEST(HersheyJhf, AGlyphIsItsStrokesAndTheirExtent) {
  const std::vector<TGlyph> Glyphs = ParseJhf(std::string(LetterA) + "\n");
  ASSERT_EQ(Glyphs.size(), 1u);
  const TGlyph& A = Glyphs[0];
  EXPECT_EQ(A.StrokeEnds, (std::vector<std::uint16_t>{2, 4, 6}));
  EXPECT_EQ(A.MinX, -8);
  EXPECT_EQ(A.MaxX, 8);
  EXPECT_EQ(A.MinY, -12);
  EXPECT_EQ(A.MaxY, 9);
  EXPECT_EQ(A.Points[0].X, 0);
  EXPECT_EQ(A.Points[0].Y, -12);
}

TEST(HersheyJhf, ARecordWrappedOverLinesReadsAsOne) {
  const std::vector<TGlyph> Glyphs = ParseJhf("  501  9I[RFJ[ RR\r\nFZ[ RMTWT\n  699  1JZ\n");
  ASSERT_EQ(Glyphs.size(), 2u);
  EXPECT_EQ(Glyphs[0].StrokeEnds.size(), 3u);
  EXPECT_TRUE(Glyphs[1].Blank());
}

TEST(HersheyJhf, ADamagedRecordEndsTheListThere) {
  EXPECT_TRUE(ParseJhf("  501  9I[RFJ[ RR").empty());                         // cut short
  EXPECT_EQ(ParseJhf(std::string(LetterA) + "\n  502  xI[RF\n").size(), 1u);  // no count
  EXPECT_EQ(ParseJhf(std::string(LetterA) + "\n  503  2I[\x01\x02\n").size(), 1u);
  EXPECT_TRUE(ParseJhf("").empty());
}

}  // namespace
}  // namespace quillon::font
