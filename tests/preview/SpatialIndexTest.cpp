// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <random>

#include "preview/HitTest.h"
#include "preview/SpatialIndex.h"
#include "support/TestBoards.h"

namespace quillon::preview::test {
namespace {

using namespace quillon::test;

// A layer of many small lines and pads, a few long ones across the board
// and a polygon over all of it.
void FillRandomLayer(TLayer& L, std::mt19937& Rng, int Count) {
  std::uniform_int_distribution<int> Pos(-30000, 30000), Len(-300, 300), Width(1, 40);
  for (int I = 0; I < Count; ++I) {
    const int X = Pos(Rng), Y = Pos(Rng);
    AddLine(L.Lines, I % 7 == 0 ? kindRectangle : kindLine, {X, Y}, {X + Len(Rng), Y + Len(Rng)},
            Width(Rng));
    if (I % 5 == 0) AddFlash(L, 1 + I % 4, {X, Y});
    if (I % 11 == 0) AddArc(L.Arcs, {X, Y}, {X + 50, Y}, {X, Y + 50}, 5);
  }
  AddLine(L.Lines, kindLine, {-30000, -30000}, {30000, 30000}, 10);
  AddOutline(L.Polygons.Add(), {{-32000, -32000}, {32000, -32000}, {0, 32000}});
}

std::vector<std::uint64_t> Sorted(std::vector<TItemRef> Items) {
  std::vector<std::uint64_t> Keys;
  for (const TItemRef& R : Items)
    Keys.push_back(static_cast<std::uint64_t>(R.Layer) << 40 |
                   static_cast<std::uint64_t>(R.Kind) << 32 | static_cast<std::uint32_t>(R.Index));
  std::sort(Keys.begin(), Keys.end());
  return Keys;
}

TEST(PreviewSpatialIndex, AQueryFindsExactlyTheItemsWhoseBoxesMeetIt) {
  std::mt19937 Rng(7);
  TPcb Board;
  FillRandomLayer(AddLayer(Board, "COMP", 1), Rng, 3000);
  AddLayer(Board, "EMPTY", 1);
  FillRandomLayer(AddLayer(Board, "SOLDER", 1), Rng, 500);
  const TRenderOptions Options{0.01, nullptr};
  TBoardIndex Index;
  Index.Build(Board, Options);
  TBoardRenderer Renderer(Board, Options);
  ASSERT_EQ(Index.LayerCount(), 3);
  EXPECT_EQ(Index.Layer(1).Count(), 0u);
  EXPECT_GT(Index.Layer(0).Columns() * Index.Layer(0).RowCount(), 100);
  EXPECT_GE(Index.Layer(0).LargeCount(), 2u);  // the diagonal and the polygon

  std::uniform_real_distribution<double> At(-330, 330), Size(0, 40);
  for (int Q = 0; Q < 200; ++Q) {
    TBoxMm Box;
    Box.Add({At(Rng), At(Rng)});
    Box.Add({Box.Left + Size(Rng), Box.Bottom + Size(Rng)});
    for (int L = 0; L < 3; ++L) {
      std::vector<TItemRef> Found, Expected;
      Index.Layer(L).Query(Box, [&](const TItemRef& R, const TBoxF&) { Found.push_back(R); });
      TBoardRenderer::ForEachItem(Board.Layers.Items(L), L, [&](const TItemRef& R) {
        if (Renderer.ItemBounds(R).Intersects(Box)) Expected.push_back(R);
      });
      ASSERT_EQ(Sorted(Found), Sorted(Expected)) << "query " << Q << " layer " << L;
    }
  }
}

// A view that no longer needs an index stops its build: the build says so
// and leaves nothing half made; unstopped, the flag changes nothing.
TEST(PreviewSpatialIndex, AStoppedBuildEndsEmptyAndSaysSo) {
  std::mt19937 Rng(3);
  TPcb Board;
  FillRandomLayer(AddLayer(Board, "COMP", 1), Rng, static_cast<int>(StopCheckItems));
  const TRenderOptions Options{0.01, nullptr};
  std::atomic<bool> Stop{true};
  TBoardIndex Index;
  EXPECT_FALSE(Index.Build(Board, Options, &Stop));
  EXPECT_EQ(Index.LayerCount(), 0);
  EXPECT_EQ(Index.ItemCount(), 0u);
  Stop = false;
  ASSERT_TRUE(Index.Build(Board, Options, &Stop));
  TBoardIndex Plain;
  ASSERT_TRUE(Plain.Build(Board, Options));
  EXPECT_EQ(Index.ItemCount(), Plain.ItemCount());
  EXPECT_GT(Index.ItemCount(), StopCheckItems);
}

TEST(PreviewSpatialIndex, ItemsAllInOnePointOrOnALineAreStillFound) {
  TPcb Board;
  TLayer& L = AddLayer(Board, "COMP", 1);
  for (int I = 0; I < 50; ++I) AddFlash(L, 1, {100, 100});
  for (int I = 0; I < 50; ++I) AddLine(L.Lines, kindLine, {I * 10, 0}, {I * 10, 0}, 0);
  TBoardIndex Index;
  Index.Build(Board, {});
  int Found = 0;
  TBoxMm Box;
  Box.Add({-1, -1});
  Box.Add({10, 10});
  Index.Layer(0).Query(Box, [&](const TItemRef&, const TBoxF&) { ++Found; });
  EXPECT_EQ(Found, 100);
}

TEST(PreviewHitTest, TheTopmostVisibleItemUnderThePointIsFound) {
  TPcb Board;
  TLayer& Bottom = AddLayer(Board, "SOLDER", 1);
  AddOutline(Bottom.Polygons.Add(), {{0, 0}, {1000, 0}, {1000, 1000}, {0, 1000}});
  TLayer& Top = AddLayer(Board, "COMP", 1);
  AddLine(Top.Lines, kindLine, {0, 500}, {1000, 500}, 20);
  AddArc(Top.Arcs, {500, 500}, {600, 500}, {600, 500}, 20);
  TBoardIndex Index;
  Index.Build(Board, {});
  TBoardRenderer Renderer(Board, {});
  auto Hit = [&](double X, double Y, std::vector<bool> Visible = {}) {
    return HitTest(Index, Renderer, {X, Y}, 0.01, Visible);
  };
  // Where the line crosses the circle, the arc is drawn last.
  EXPECT_EQ(Hit(6, 5), (TItemRef{1, TItemKind::Arc, 0}));
  EXPECT_EQ(Hit(2, 5), (TItemRef{1, TItemKind::Line, 0}));
  EXPECT_EQ(Hit(2, 2), (TItemRef{0, TItemKind::Polygon, 0}));
  EXPECT_EQ(Hit(2, 5, {true, false}), (TItemRef{0, TItemKind::Polygon, 0}));
  EXPECT_EQ(Hit(20, 20), std::nullopt);
  EXPECT_EQ(Hit(2, 2, {false, true}), std::nullopt);
}

}  // namespace
}  // namespace quillon::preview::test
