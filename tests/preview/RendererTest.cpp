// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "RecordingSink.h"
#include "preview/ArcGeometry.h"
#include "preview/BoardRenderer.h"
#include "preview/HitTest.h"
#include "preview/PrimitiveBounds.h"
#include "support/TestBoards.h"

namespace quillon::preview::test {
namespace {

using namespace quillon::test;

constexpr double Eps = 1e-9;

void ExpectPoint(const TPointMm& P, double X, double Y) {
  EXPECT_NEAR(P.X, X, Eps);
  EXPECT_NEAR(P.Y, Y, Eps);
}

std::vector<TRecorded> Render(const TPcb& Board, TRenderOptions Options = {}) {
  TRecordingSink Sink;
  TBoardRenderer R(Board, Options);
  for (int L = 0; L < Board.Layers.Count(); ++L) R.RenderLayer(L, Sink);
  return Sink.All;
}

bool Hits(const TPcb& Board, const TItemRef& Item, TPointMm P, TRenderOptions Options = {}) {
  TBoardRenderer R(Board, Options);
  THitSink Sink(P, 0);
  R.RenderItem(Item, Sink);
  return Sink.Hit;
}

TEST(PreviewRenderer, LinesAndRectanglesAreStrokesOfTheirScaledWidth) {
  TPcb Board;
  TLayer& L = AddLayer(Board, "COMP", 1);
  AddLine(L.Lines, kindLine, {100, 200}, {300, 200}, 25);
  AddLine(L.Lines, kindRectangle, {100, 100}, {400, 300}, 10);
  AddLine(L.Lines, kindFilledRectangle, {0, 0}, {50, 20}, 1);
  const auto All = Render(Board);
  ASSERT_EQ(All.size(), 3u);
  // The filled rectangle comes first: fills lie under the strokes.
  EXPECT_EQ(All[0].What, TRecorded::Fill);
  EXPECT_EQ(All[0].Item, (TItemRef{0, TItemKind::FilledRectangle, 2}));
  ASSERT_EQ(All[0].Points.size(), 4u);
  ExpectPoint(All[0].Points[2], 0.5, 0.2);

  EXPECT_EQ(All[1].What, TRecorded::Stroke);
  EXPECT_EQ(All[1].Item, (TItemRef{0, TItemKind::Line, 0}));
  EXPECT_FALSE(All[1].Closed);
  EXPECT_NEAR(All[1].Width, 0.25, Eps);
  ASSERT_EQ(All[1].Points.size(), 2u);
  ExpectPoint(All[1].Points[0], 1, 2);
  ExpectPoint(All[1].Points[1], 3, 2);

  // The rectangle goes round as the Gerber outline does.
  EXPECT_EQ(All[2].Item, (TItemRef{0, TItemKind::Rectangle, 1}));
  EXPECT_TRUE(All[2].Closed);
  ASSERT_EQ(All[2].Points.size(), 4u);
  ExpectPoint(All[2].Points[0], 1, 1);
  ExpectPoint(All[2].Points[1], 4, 1);
  ExpectPoint(All[2].Points[2], 4, 3);
  ExpectPoint(All[2].Points[3], 1, 3);
}

TEST(PreviewRenderer, WidthsUnderOneHundredthOfAMillimetreAreHairlines) {
  TPcb Board;
  TLayer& L = AddLayer(Board, "COMP", 1);
  AddLine(L.Lines, kindLine, {0, 0}, {10, 0}, 9);   // 0.009 mm
  AddLine(L.Lines, kindLine, {0, 0}, {10, 0}, 10);  // 0.010 mm
  AddArc(L.Arcs, {0, 0}, {10, 0}, {10, 0}, 0);
  const auto All = Render(Board, {0.001, nullptr});
  ASSERT_EQ(All.size(), 3u);
  EXPECT_EQ(All[0].Width, 0.0);
  EXPECT_NEAR(All[1].Width, 0.01, Eps);
  EXPECT_EQ(All[2].Width, 0.0);
}

TEST(PreviewRenderer, ArcsRunCounterClockwiseFromStartToEnd) {
  TPcb Board;
  TLayer& L = AddLayer(Board, "COMP", 1);
  AddArc(L.Arcs, {0, 0}, {100, 0}, {0, 100}, 20);         // a quarter from 0 to 90 degrees
  AddArc(L.Arcs, {0, 0}, {0, 100}, {100, 0}, 0);          // the other three quarters
  AddArc(L.Arcs, {500, 500}, {500, 400}, {500, 400}, 0);  // start = end: a full circle
  const auto All = Render(Board);
  ASSERT_EQ(All.size(), 3u);

  const TArc& Quarter = All[0].ArcData;
  EXPECT_NEAR(Quarter.Radius, 1, Eps);
  EXPECT_NEAR(Quarter.StartDeg, 0, Eps);
  EXPECT_NEAR(Quarter.SweepDeg, 90, Eps);
  EXPECT_NEAR(Quarter.Width, 0.2, Eps);
  const TBoxMm QB = ArcBounds(Quarter);  // no part below or left of the centre
  EXPECT_NEAR(QB.Left, -0.1, Eps);
  EXPECT_NEAR(QB.Bottom, -0.1, Eps);
  EXPECT_NEAR(QB.Right, 1.1, Eps);
  EXPECT_NEAR(QB.Top, 1.1, Eps);

  const TArc& Long = All[1].ArcData;
  EXPECT_NEAR(Long.StartDeg, 90, Eps);
  EXPECT_NEAR(Long.SweepDeg, 270, Eps);
  ExpectPoint(Long.End, 1, 0);
  const TBoxMm LB = ArcBounds(Long);
  EXPECT_NEAR(LB.Left, -1, Eps);
  EXPECT_NEAR(LB.Bottom, -1, Eps);

  const TArc& Circle = All[2].ArcData;
  EXPECT_NEAR(Circle.SweepDeg, 360, Eps);
  EXPECT_NEAR(Circle.StartDeg, 270, Eps);
  EXPECT_NEAR(Circle.Radius, 1, Eps);
  const TBoxMm CB = ArcBounds(Circle);
  EXPECT_NEAR(CB.Left, 4, Eps);
  EXPECT_NEAR(CB.Top, 6, Eps);

  // The quarter covers 45 degrees but not 180; the long arc the opposite.
  EXPECT_TRUE(Hits(Board, All[0].Item, {0.7071067811865476, 0.7071067811865476}));
  EXPECT_FALSE(Hits(Board, All[0].Item, {-1, 0}));
  EXPECT_FALSE(Hits(Board, All[1].Item, {0.7071067811865476, 0.7071067811865476}));
  EXPECT_TRUE(Hits(Board, All[1].Item, {-1, 0}));
}

TEST(PreviewRenderer, AnArcOfRadiusZeroIsADotOfItsWidth) {
  TPcb Board;
  AddArc(AddLayer(Board, "COMP", 1).Arcs, {7, 7}, {7, 7}, {7, 7}, 30);
  const auto All = Render(Board);
  ASSERT_EQ(All.size(), 1u);
  EXPECT_EQ(All[0].What, TRecorded::Stroke);
  EXPECT_EQ(All[0].Item.Kind, TItemKind::Arc);
  ASSERT_EQ(All[0].Points.size(), 2u);
  ExpectPoint(All[0].Points[1], 0.07, 0.07);
  EXPECT_NEAR(All[0].Width, 0.3, Eps);
}

TEST(PreviewRenderer, PolygonVoidsAreCutOutEvenOdd) {
  TPcb Board;
  TLayer& L = AddLayer(Board, "COMP", 1);
  TPcbComplexPolygon& P = L.Polygons.Add();
  AddOutline(P, {{0, 0}, {1000, 0}, {1000, 1000}, {0, 1000}, {0, 0}});
  AddOutline(P, {{100, 100}, {300, 100}, {300, 300}, {100, 300}, {100, 100}});
  AddVoidCircle(P, {700, 700}, 100);
  const auto All = Render(Board);
  ASSERT_EQ(All.size(), 1u);
  const TRecorded& R = All[0];
  EXPECT_EQ(R.What, TRecorded::Region);
  EXPECT_EQ(R.RingEnds, (std::vector<std::uint32_t>{5, 10}));
  ExpectPoint(R.Points[5], 1, 1);
  ASSERT_EQ(R.Voids.size(), 1u);
  ExpectPoint(R.Voids[0].Center, 7, 7);
  EXPECT_NEAR(R.Voids[0].Radius, 1, Eps);

  const TItemRef Item{0, TItemKind::Polygon, 0};
  EXPECT_TRUE(Hits(Board, Item, {5, 5}));
  EXPECT_FALSE(Hits(Board, Item, {2, 2}));  // in the void outline
  EXPECT_FALSE(Hits(Board, Item, {7, 7}));  // in the void circle
  EXPECT_TRUE(Hits(Board, Item, {7, 8.5}));
  EXPECT_FALSE(Hits(Board, Item, {11, 5}));
}

TEST(PreviewRenderer, APolygonWithoutAnOuterOutlineDrawsNothing) {
  TPcb Board;
  TLayer& L = AddLayer(Board, "COMP", 1);
  TPcbComplexPolygon& P = L.Polygons.Add();
  AddOutline(P, {{500, 500}});  // the reader's lone first point before circles
  AddVoidCircle(P, {500, 500}, 100);
  EXPECT_TRUE(Render(Board).empty());
  TBoardRenderer R(Board, {});
  EXPECT_TRUE(R.ItemBounds({0, TItemKind::Polygon, 0}).Empty());
}

// What the preview shows of a text is what the fab files draw: the strokes
// of the one stroke font, with the macro's text pen.
TEST(PreviewRenderer, ATextIsTheStrokesTheFabFilesDraw) {
  TPcb Board;
  TLayer& L = AddLayer(Board, "SILK", 1);
  TPcbText& T = L.Texts.Add();
  T.X = 1000, T.Y = 500, T.Size = 100, T.Text = "R1\xC6", T.Rotation = 270, T.Mirror = 1;
  T.Justification = 43;
  const auto All = Render(Board);
  ASSERT_EQ(All.size(), 1u);
  font::TTextStrokes Fab;
  font::DrawTextStrokes(T, 0.01, Fab);
  ASSERT_FALSE(Fab.Ends.empty());
  EXPECT_EQ(All[0].RingEnds, Fab.Ends);
  ASSERT_EQ(All[0].StrokePoints.size(), Fab.Points.size());
  for (std::size_t I = 0; I < Fab.Points.size(); ++I)
    ExpectPoint(All[0].StrokePoints[I], Fab.Points[I].X, Fab.Points[I].Y);
  EXPECT_NEAR(All[0].Width, 0.1, Eps);
  // The item's bounds hold its strokes with their pen.
  TBoardRenderer R(Board, {});
  const TBoxMm Box = R.ItemBounds({0, TItemKind::Text, 0});
  for (const TPointMm& P : Fab.Points) {
    EXPECT_TRUE(Box.Contains({P.X - 0.05, P.Y - 0.05}));
    EXPECT_TRUE(Box.Contains({P.X + 0.05, P.Y + 0.05}));
  }
}

TEST(PreviewRenderer, AMirroredRotatedTextBoxTurnsAboutItsAnchor) {
  TPcb Board;
  TLayer& L = AddLayer(Board, "SILK", 1);
  TPcbText& T = L.Texts.Add();
  T.X = 1000, T.Y = 500, T.Size = 100, T.Text = "AB", T.Rotation = 90, T.Mirror = 4;
  T.Justification = 33;  // the string starts at the anchor, whose line is its top
  const auto All = Render(Board);
  ASSERT_EQ(All.size(), 1u);
  const TRecorded& R = All[0];
  ASSERT_EQ(R.What, TRecorded::TextBox);
  EXPECT_EQ(R.Text, "AB");
  // H = 1 x 0.808; W = 0.76 H; length = 2 W - 0.43 W. Unturned the box spans
  // x 0..length, y -H..0 about the anchor; mirrored x -length..0; a quarter
  // turn counter-clockwise takes (x, y) to (-y, x).
  const double H = 0.808, Len = 1.57 * 0.76 * 0.808;
  ExpectPoint(R.TextData.Anchor, 10, 5);
  EXPECT_NEAR(R.TextData.Height, H, Eps);
  ExpectPoint(R.Points[0], 10 + H, 5);
  ExpectPoint(R.Points[1], 10 + H, 5 - Len);
  ExpectPoint(R.Points[2], 10, 5 - Len);
  ExpectPoint(R.Points[3], 10, 5);

  // Not mirrored, the same text reaches the other way along its line.
  T.Mirror = 0;
  const auto Plain = Render(Board);
  ExpectPoint(Plain[0].Points[1], 10 + H, 5 + Len);
}

TEST(PreviewRenderer, TextJustificationMovesTheBoxAsTheTextWritersDo) {
  const double H = 0.808, Len = 1.57 * 0.76 * 0.808;
  struct Case {
    std::uint8_t Code;
    double X, Y;  // lower-left corner, unturned
  } Cases[] = {
      {25, -Len / 2, -H}, {26, -Len / 2, 0}, {27, -Len / 2, -H / 2}, {33, 0, -H},
      {34, 0, 0},         {35, 0, -H / 2},   {41, -Len, -H},         {42, -Len, 0},
      {43, -Len, -H / 2}, {7, 0, 0}};  // an unknown code starts at the anchor on the foot line
  for (const Case& C : Cases) {
    TPcb Board;
    TPcbText& T = AddLayer(Board, "SILK", 1).Texts.Add();
    T.Size = 100, T.Text = "AB", T.Justification = C.Code;
    const auto All = Render(Board);
    SCOPED_TRACE(C.Code);
    ExpectPoint(All[0].Points[0], C.X, C.Y);
    ExpectPoint(All[0].Points[2], C.X + Len, C.Y + H);
  }
}

TEST(PreviewRenderer, FlashesArePadsOfTheirPinRowOrMarkedWhenTheRowIsMissing) {
  TPcb Board;
  TLayer& L = AddLayer(Board, "PIN", 1);
  AddFlash(L, 3, {1000, 0});  // row of pin 2
  AddFlash(L, 7, {2000, 0});  // pin 6 has no row
  AddFlash(L, 1, {3000, 0});  // row of pin 0: no pad
  TPins Pins;
  Pins.Append(PinRow(2, 0.04, 1.6, shapeSquare));
  Pins.Append(PinRow(0, 0.8, 0, shapeNone));
  Pins.SetUnits(0, 1);  // holes in inches

  const auto All = Render(Board, {0.01, &Pins});
  ASSERT_EQ(All.size(), 3u);
  ASSERT_EQ(All[0].What, TRecorded::Pad);
  const TPad& Pad = All[0].PadData;
  ExpectPoint(Pad.Center, 10, 0);
  EXPECT_EQ(Pad.Shape, shapeSquare);
  EXPECT_NEAR(Pad.Size, 1.6, Eps);
  EXPECT_NEAR(Pad.Hole, 1.016, Eps);
  EXPECT_EQ(Pad.RowPin, 2);

  ASSERT_EQ(All[1].What, TRecorded::UndefinedPin);
  EXPECT_EQ(All[1].MarkData.RowPin, 6);
  ExpectPoint(All[1].MarkData.Center, 20, 0);
  EXPECT_NEAR(All[1].MarkData.MarkSize, UndefinedPinMarkMm, Eps);

  ASSERT_EQ(All[2].What, TRecorded::Pad);
  EXPECT_EQ(All[2].PadData.Shape, shapeNone);
  EXPECT_NEAR(All[2].PadData.Hole, 0.8 * 25.4, Eps);

  // Without a description every flash is marked.
  for (const TRecorded& R : Render(Board)) EXPECT_EQ(R.What, TRecorded::UndefinedPin);
}

TEST(PreviewRenderer, UnbelievablePinSizesAreDrawnAsNothing) {
  TPcb Board;
  AddFlash(AddLayer(Board, "PIN", 1), 1, {0, 0});
  TPins Pins;
  Pins.Append(PinRow(0, 1e300, -1, shapeCircle));
  const auto All = Render(Board, {0.01, &Pins});
  ASSERT_EQ(All.size(), 1u);
  EXPECT_EQ(All[0].PadData.Size, 0.0);
  EXPECT_EQ(All[0].PadData.Hole, 0.0);
}

TEST(PreviewRenderer, ALayerDrawsInTheGerberOrderAndBadReferencesDrawNothing) {
  TPcb Board;
  TLayer& L = AddLayer(Board, "COMP", 1);
  L.Texts.Add().Size = 10;
  AddArc(L.Arcs, {0, 0}, {10, 0}, {0, 10}, 0);
  AddLine(L.Lines, kindLine, {0, 0}, {1, 1}, 1);
  AddFlash(L, 1, {0, 0});
  AddLine(L.Lines, kindFilledRectangle, {0, 0}, {1, 1}, 1);
  AddOutline(L.Polygons.Add(), {{0, 0}, {10, 0}, {0, 10}});
  std::vector<TItemKind> Kinds;
  for (const TRecorded& R : Render(Board)) Kinds.push_back(R.Item.Kind);
  EXPECT_EQ(Kinds, (std::vector<TItemKind>{TItemKind::Polygon, TItemKind::FilledRectangle,
                                           TItemKind::Flash, TItemKind::Line, TItemKind::Arc,
                                           TItemKind::Text}));

  TRecordingSink Sink;
  TBoardRenderer R(Board, {});
  R.RenderItem({0, TItemKind::Arc, 1}, Sink);
  R.RenderItem({1, TItemKind::Line, 0}, Sink);
  R.RenderItem({0, TItemKind::Text, -1}, Sink);
  R.RenderLayer(5, Sink);
  EXPECT_TRUE(Sink.All.empty());
}

}  // namespace
}  // namespace quillon::preview::test
