// SPDX-License-Identifier: MIT
#pragma once
// The pin table as the window's string grid holds it: a title row fixed above
// the rows of the table.

#include <string>
#include <vector>

#include "pins/Pins.h"

namespace quillon::app {

struct TGrid {
  int RowCount = 0;
  int ColCount = 0;
  int FixedRows = 0;
  int FixedCols = 0;
  std::vector<std::string> Cells;  // row-major, RowCount * ColCount
  const std::string& Cell(int Row, int Col) const {
    return Cells[static_cast<std::size_t>(Row * ColCount + Col)];
  }
  std::string& Cell(int Row, int Col) {
    return Cells[static_cast<std::size_t>(Row * ColCount + Col)];
  }
};

// Grid becomes the title row and every row of Pins; a grid with one fixed
// row needs a row below it, so an empty table shows one empty row.
void FillGrid(const TPins& Pins, TGrid& Grid);

}  // namespace quillon::app
