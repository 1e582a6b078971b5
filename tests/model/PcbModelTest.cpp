// SPDX-License-Identifier: MIT
// The board model on its own: a new board, new items, layer lookup by number.

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "model/Pcb.h"

namespace quillon {
namespace {

TEST(PcbModel, NewBoardIsEmpty) {
  TPcb Pcb;
  EXPECT_EQ(Pcb.Scale, 0.0);
  EXPECT_EQ(Pcb.Version, "");
  EXPECT_EQ(Pcb.Extents.Left + Pcb.Extents.Top + Pcb.Extents.Right + Pcb.Extents.Bottom, 0);
  EXPECT_EQ(Pcb.CurrentLayer, 0);
  EXPECT_EQ(Pcb.Layers.Count(), 0);
}

TEST(PcbModel, AddCreatesEmptyItems) {
  TPcb Pcb;
  TLayer& L = Pcb.Layers.Add();
  EXPECT_EQ(L.Name, "");
  EXPECT_EQ(
      L.Lines.Count() + L.Arcs.Count() + L.Texts.Count() + L.Flashes.Count() + L.Polygons.Count(),
      0);
  TPcbComplexPolygon& P = L.Polygons.Add();
  EXPECT_EQ(P.OutLines.Count(), 0);
  EXPECT_EQ(P.Circles.Count(), 0);
  const TPcbLine& Line = L.Lines.Add();
  EXPECT_EQ(Line.Kind, 0);
  EXPECT_EQ(Line.Width, 0);
  EXPECT_EQ(Pcb.Layers.Count(), 1);
  EXPECT_EQ(L.Lines.Count(), 1);
}

// Outline segments are kept as the points they join; they read back as lines.
TEST(PcbModel, OutlineSegmentsJoinTheirPointsInOrder) {
  TOutlineSegments Segments;
  EXPECT_TRUE(Segments.Empty());
  Segments.AddPoint(1, 2);
  EXPECT_EQ(Segments.Count(), 0);  // a lone point is no segment
  EXPECT_EQ(Segments.begin(), Segments.end());
  Segments.AddPoint(3, 4);
  Segments.AddPoint(-5, 6);
  ASSERT_EQ(Segments.Count(), 2);
  std::vector<std::array<std::int32_t, 4>> Read;
  for (const TPcbLine& Line : Segments) {
    EXPECT_EQ(Line.Kind, kindLine);
    EXPECT_EQ(Line.Width, 0);
    Read.push_back({Line.StartX, Line.StartY, Line.EndX, Line.EndY});
  }
  EXPECT_EQ(Read, (std::vector<std::array<std::int32_t, 4>>{{1, 2, 3, 4}, {3, 4, -5, 6}}));
  const TOutlineSegments Copy = Segments;
  EXPECT_EQ(Copy.AllPoints(), Segments.AllPoints());
}

TEST(PcbModel, IndexOfNumberFindsTheFirstLayer) {
  TLayers Layers;
  for (std::uint8_t Number : {7, 0, 255, 7}) Layers.Add().Number = Number;
  EXPECT_EQ(Layers.IndexOfNumber(7), 0);
  EXPECT_EQ(Layers.IndexOfNumber(0), 1);
  EXPECT_EQ(Layers.IndexOfNumber(255), 2);
  EXPECT_EQ(Layers.IndexOfNumber(1), -1);
  EXPECT_EQ(TLayers().IndexOfNumber(0), -1);
}

}  // namespace
}  // namespace quillon
