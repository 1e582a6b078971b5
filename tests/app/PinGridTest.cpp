// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/PinGrid.h"

namespace quillon::app {
namespace {

std::vector<std::string> RowTexts(const TGrid& G, int Row) {
  std::vector<std::string> Cells;
  for (int C = 0; C < G.ColCount; ++C) Cells.push_back(G.Cell(Row, C));
  return Cells;
}

using Texts = std::vector<std::string>;

TEST(PinGrid, EmptyTableShowsHeaderAndOneEmptyRow) {
  TPins Pins;
  TGrid G;
  G.RowCount = 9;
  G.Cells.assign(99, "old");
  FillGrid(Pins, G);
  EXPECT_EQ(G.RowCount, 2);
  EXPECT_EQ(G.ColCount, 4);
  EXPECT_EQ(G.FixedRows, 1);
  EXPECT_EQ(G.FixedCols, 0);
  ASSERT_EQ(G.Cells.size(), 8u);
  EXPECT_EQ(RowTexts(G, 0), (Texts{"Pin#", "Hole", "Aper", "Aper Type"}));
  EXPECT_EQ(RowTexts(G, 1), (Texts{"", "", "", ""}));
}

TEST(PinGrid, RowsInMillimetresWithFourDecimals) {
  TPins Pins;
  Pins.Parse("1  0.04  0,9\n12  0.5  20  2\n0  1.23456\n", layoutHoleAper);
  Pins.SetUnits(5, 1);
  TGrid G;
  FillGrid(Pins, G);
  ASSERT_EQ(G.RowCount, 4);
  EXPECT_EQ(RowTexts(G, 1), (Texts{"1", "1.0160", "0.0229", "Circle"}));
  EXPECT_EQ(RowTexts(G, 2), (Texts{"12", "12.7000", "0.5080", "Square"}));
  EXPECT_EQ(RowTexts(G, 3), (Texts{"0", "31.3578", "0.0000", "None"}));
}

}  // namespace
}  // namespace quillon::app
