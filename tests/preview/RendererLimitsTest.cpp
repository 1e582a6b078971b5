// SPDX-License-Identifier: MIT
// The preview where one comparison decides between two drawings: arcs whose
// ends share one coordinate, and pad sizes at the bound of the believable.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "RecordingSink.h"
#include "pins/Pins.h"
#include "preview/BoardRenderer.h"
#include "support/TestBoards.h"

namespace quillon::preview::test {
namespace {

using namespace quillon::test;

constexpr double Eps = 1e-9;

std::vector<TRecorded> Render(const TPcb& Board, TRenderOptions Options = {}) {
  TRecordingSink Sink;
  TBoardRenderer R(Board, Options);
  for (int L = 0; L < Board.Layers.Count(); ++L) R.RenderLayer(L, Sink);
  return Sink.All;
}

// Only ends that are the same point make a full circle: ends that share X
// or share Y are a half circle.
TEST(PreviewRendererLimits, HalfCirclesWhoseEndsShareOneCoordinateStayHalf) {
  TPcb Board;
  TLayer& L = AddLayer(Board, "COMP", 1);
  AddArc(L.Arcs, {0, 0}, {100, 0}, {-100, 0}, 10);  // ends share Y
  AddArc(L.Arcs, {0, 0}, {0, 100}, {0, -100}, 10);  // ends share X
  AddArc(L.Arcs, {0, 0}, {-100, 0}, {100, 0}, 10);  // the lower half
  const auto All = Render(Board);
  ASSERT_EQ(All.size(), 3u);
  const double Starts[] = {0, 90, 180};
  for (int I = 0; I < 3; ++I) {
    ASSERT_EQ(All[I].What, TRecorded::Arc);
    EXPECT_NEAR(All[I].ArcData.StartDeg, Starts[I], Eps) << I;
    EXPECT_NEAR(All[I].ArcData.SweepDeg, 180, Eps) << I;
    EXPECT_NEAR(All[I].ArcData.Radius, 1, Eps) << I;
  }
}

// The largest believable pad is drawn at its size; beyond it, and for sizes
// that are no plain positive number, nothing is drawn.
TEST(PreviewRendererLimits, PadSizesUpToTheBoundAreDrawnAndNothingBeyond) {
  const double Inf = std::numeric_limits<double>::infinity();
  const double Above = std::nextafter(MaxPinSizeMm, Inf);
  const struct {
    double Size;
    double Drawn;
  } Cases[] = {{MaxPinSizeMm, MaxPinSizeMm},
               {Above, 0},
               {0, 0},
               {std::numeric_limits<double>::quiet_NaN(), 0},
               {Inf, 0},
               {-Inf, 0},
               {1.6, 1.6}};
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Size);
    TPcb Board;
    AddFlash(AddLayer(Board, "PIN", 1), 1, {0, 0});
    TPins Pins;
    Pins.Append(PinRow(0, C.Size, C.Size, shapeCircle));
    const auto All = Render(Board, {0.01, &Pins});
    ASSERT_EQ(All.size(), 1u);
    ASSERT_EQ(All[0].What, TRecorded::Pad);
    EXPECT_EQ(All[0].PadData.Size, C.Drawn);
    EXPECT_EQ(All[0].PadData.Hole, C.Drawn);
  }
}

}  // namespace
}  // namespace quillon::preview::test
