// SPDX-License-Identifier: MIT
#include "app/PinGrid.h"

namespace quillon::app {

namespace {

void SetRow(TGrid& Grid, int Row, const TPinRowTexts& Texts) {
  for (int C = 0; C < PinTableColumns; ++C) Grid.Cell(Row, C) = Texts[static_cast<std::size_t>(C)];
}

}  // namespace

void FillGrid(const TPins& Pins, TGrid& Grid) {
  const int TableRows = Pins.High() + 1;
  Grid = TGrid{};
  Grid.RowCount = TableRows + 1 < 2 ? 2 : TableRows + 1;
  Grid.ColCount = PinTableColumns;
  Grid.FixedRows = 1;
  Grid.FixedCols = 0;
  Grid.Cells.assign(static_cast<std::size_t>(Grid.RowCount) * PinTableColumns, std::string());
  SetRow(Grid, 0, TPins::TableHeader());
  for (int I = 0; I < TableRows; ++I) SetRow(Grid, I + 1, Pins.RowTexts(I));
}

}  // namespace quillon::app
