// SPDX-License-Identifier: MIT
// Complex polygons: outlines, void outlines, circles and their separators.

#include "PlotLoadFixture.h"

namespace quillon::test {
namespace {

using Polygons = PlotLoadTest;

// Start and end points of every segment of an outline, for compact checks.
std::vector<std::array<int, 4>> Segments(const TPoligonOutLine& O) {
  std::vector<std::array<int, 4>> S;
  for (const TPcbLine& L : O.Lines) {
    EXPECT_EQ(L.Kind, 0x80A8);
    EXPECT_EQ(L.Width, 0);
    EXPECT_EQ(L.AttributeLow, 0);
    S.push_back({L.StartX, L.StartY, L.EndX, L.EndY});
  }
  return S;
}
using Segs = std::vector<std::array<int, 4>>;

TEST_F(Polygons, SmallestPolygon) {
  PlotBuilder P = OneLayer();
  P.Word(0x80A3).Word(0x12AB).Word(5).Word(6).Word(0x8080).Word(0xBEEF);
  P.Flash(1, 0, 0);
  ASSERT_TRUE(Load(P));
  ASSERT_EQ(Layer().Polygons.Count(), 1);
  const TPcbComplexPolygon& Poly = Layer().Polygons.Items(0);
  EXPECT_EQ(Poly.Attribute, 0xAB);
  ASSERT_EQ(Poly.OutLines.Count(), 1);
  EXPECT_EQ(Poly.OutLines.Items(0).Lines.Count(), 0);
  EXPECT_EQ(Poly.Circles.Count(), 0);
  EXPECT_EQ(Layer().Flashes.Count(), 1);  // the closing word was consumed
}

TEST_F(Polygons, ClosedAndOpenOutlines) {
  PlotBuilder P = OneLayer();
  P.Polygon({{{{0, 0}, {100, 0}, {100, -50}, {0, 0}}}, {}, 3});
  P.Polygon({{1, 2}, {3, 4}, {5, 6}});
  ASSERT_TRUE(Load(P));
  ASSERT_EQ(Layer().Polygons.Count(), 2);
  const TPcbComplexPolygon& Closed = Layer().Polygons.Items(0);
  EXPECT_EQ(Closed.Attribute, 3);
  EXPECT_EQ(Segments(Closed.OutLines.Items(0)),
            (Segs{{0, 0, 100, 0}, {100, 0, 100, -50}, {100, -50, 0, 0}}));
  // No closing segment is added: the last one ends at the last point listed.
  EXPECT_EQ(Segments(Layer().Polygons.Items(1).OutLines.Items(0)),
            (Segs{{1, 2, 3, 4}, {3, 4, 5, 6}}));
}

TEST_F(Polygons, VoidOutlinesAndCircles) {
  PlotBuilder P = OneLayer();
  P.BeginPolygon({0, 0}).Point({1000, 0}).Point({1000, 1000}).Point({0, 0});
  P.NextOutline({100, 100}).Point({200, 100}).Point({100, 100});
  P.Circle({500, 600, 70}, 0, 0xFFFF);
  P.Circle({-10, -20, -30});
  P.NextOutline({300, 300});
  P.EndPolygon();
  ASSERT_TRUE(Load(P));
  const TPcbComplexPolygon& Poly = Layer().Polygons.Items(0);
  ASSERT_EQ(Poly.OutLines.Count(), 3);
  EXPECT_EQ(Segments(Poly.OutLines.Items(0)),
            (Segs{{0, 0, 1000, 0}, {1000, 0, 1000, 1000}, {1000, 1000, 0, 0}}));
  EXPECT_EQ(Segments(Poly.OutLines.Items(1)), (Segs{{100, 100, 200, 100}, {200, 100, 100, 100}}));
  EXPECT_EQ(Poly.OutLines.Items(2).Lines.Count(), 0);
  ASSERT_EQ(Poly.Circles.Count(), 2);
  const TPcbArc& C = Poly.Circles.Items(0);
  EXPECT_EQ(C.CenterX, 500);
  EXPECT_EQ(C.CenterY, 600);
  EXPECT_EQ(C.StartX, 570);
  EXPECT_EQ(C.StartY, 600);
  EXPECT_EQ(C.EndX, 570);
  EXPECT_EQ(C.EndY, 600);
  EXPECT_EQ(C.Width, 0);
  EXPECT_EQ(C.AttributeLow, 0);
  // The radius is signed.
  EXPECT_EQ(Poly.Circles.Items(1).StartX, -40);
  EXPECT_EQ(Poly.Circles.Items(1).EndY, -20);
}

TEST_F(Polygons, OnlyCirclesStillHaveTheFirstOutline) {
  PlotBuilder P = OneLayer();
  P.BeginPolygon({7, 8}).Circle({0, 0, 10}).Circle({5, 5, 1}).EndPolygon();
  ASSERT_TRUE(Load(P));
  const TPcbComplexPolygon& Poly = Layer().Polygons.Items(0);
  ASSERT_EQ(Poly.OutLines.Count(), 1);
  EXPECT_EQ(Poly.OutLines.Items(0).Lines.Count(), 0);
  EXPECT_EQ(Poly.Circles.Count(), 2);
}

// -32642, -32641 and -32640 are the piece tags: as a later x they end the
// outline, as the first point they are an ordinary coordinate.
TEST_F(Polygons, PieceTagValuesAsCoordinates) {
  PlotBuilder P = OneLayer();
  P.BeginPolygon({-32640, -32641}).Point({-32639, 5}).Point({-32640, 0});
  P.Flash(9, 1, 2);
  ASSERT_TRUE(Load(P));
  const TPcbComplexPolygon& Poly = Layer().Polygons.Items(0);
  EXPECT_EQ(Segments(Poly.OutLines.Items(0)), (Segs{{-32640, -32641, -32639, 5}}));
  // The x -32640 ended the polygon, its "y" 0 was the closing word.
  ASSERT_EQ(Layer().Flashes.Count(), 1);
  EXPECT_EQ(Layer().Flashes.Items(0).PinNumber, 9);

  PlotBuilder Q = OneLayer();
  Q.BeginPolygon({0, 0}).Point({-32642, 0}).Point({1, 1}).Point({2, 2}).EndPolygon();
  ASSERT_TRUE(Load(Q));
  // -32642 is the next-outline tag; its zero word is the "y" 0.
  const TPcbComplexPolygon& Poly2 = Layer().Polygons.Items(0);
  ASSERT_EQ(Poly2.OutLines.Count(), 2);
  EXPECT_EQ(Segments(Poly2.OutLines.Items(1)), (Segs{{1, 1, 2, 2}}));
}

TEST_F(Polygons, UnexpectedPieceTagEndsThePolygon) {
  PlotBuilder P = OneLayer();
  P.BeginPolygon({0, 0}).Point({10, 0}).Circle({0, 0, 5});
  P.Word(0x1234);  // where a piece tag belongs
  P.Word(0x5678);  // the closing word
  P.Line(1, 2, 3, 4, 5);
  ASSERT_TRUE(Load(P));
  EXPECT_EQ(Prompts.Messages, std::vector<std::string>{"Ошибка при чтении полигонов!"});
  const TPcbComplexPolygon& Poly = Layer().Polygons.Items(0);
  EXPECT_EQ(Poly.OutLines.Items(0).Lines.Count(), 1);
  EXPECT_EQ(Poly.Circles.Count(), 1);
  ASSERT_EQ(Layer().Lines.Count(), 1);
  EXPECT_EQ(Layer().Lines.Items(0).StartX, 1);
}

TEST_F(Polygons, PolygonsGoToTheSelectedLayer) {
  PlotBuilder P;
  P.Header().Layers({{"A", 1}, {"B", 2}}).SelectLayer(2);
  P.Polygon({{{{0, 0}, {1, 1}}}});
  ASSERT_TRUE(Load(P));
  EXPECT_EQ(Layer(0).Polygons.Count(), 0);
  EXPECT_EQ(Layer(1).Polygons.Count(), 1);
}

// A loaded board keeps its polygons in memory of its own: they must go with
// the layers to another board, survive as copies, and a second load must not
// keep the first one's. The sanitizers' build catches any dangling outline.
TEST_F(Polygons, LoadedPolygonsMoveWithTheirLayersAndCopyOutOfTheBoard) {
  PlotBuilder P = OneLayer();
  P.Polygon(
      PlotPolygon({{{0, 0}, {900, 0}, {0, 900}, {0, 0}}, {{100, 100}, {200, 100}}}, {{50, 60, 7}}));
  ASSERT_TRUE(Load(P));
  const TPcbComplexPolygon Copy = Layer().Polygons.Items(0);
  TPcb Other;
  {
    TPcb Source;
    ASSERT_TRUE(Source.LoadFromFile(PlotFile()));
    Other.Layers.Add().Polygons.Add();  // replaced below
    Other.TakeLayers(Source);
    EXPECT_EQ(Source.Layers.Count(), 0);
  }
  ASSERT_TRUE(Load(OneLayer()));  // the first load's polygons are gone here
  EXPECT_EQ(Layer().Polygons.Count(), 0);
  const TPcbComplexPolygon* Moved = &Other.Layers.Items(0).Polygons.Items(0);
  for (const TPcbComplexPolygon* Poly : {&Copy, Moved}) {
    ASSERT_EQ(Poly->OutLines.Count(), 2);
    EXPECT_EQ(Segments(Poly->OutLines.Items(0)),
              (Segs{{0, 0, 900, 0}, {900, 0, 0, 900}, {0, 900, 0, 0}}));
    EXPECT_EQ(Segments(Poly->OutLines.Items(1)), (Segs{{100, 100, 200, 100}}));
    ASSERT_EQ(Poly->Circles.Count(), 1);
    EXPECT_EQ(Poly->Circles.Items(0).StartX, 57);
  }
}

}  // namespace
}  // namespace quillon::test
