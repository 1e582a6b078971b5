#include "pins/Pins.h"
#include "script/NumberFormat.h"

namespace quillon {

void TPins::FillGrid(TGrid& Grid) const {
  constexpr int Columns = 4;
  const int TableRows = High() + 1;
  Grid = TGrid{};
  // A grid with one fixed row needs a row below it, so an empty table shows
  // one empty row.
  Grid.RowCount = TableRows + 1 < 2 ? 2 : TableRows + 1;
  Grid.ColCount = Columns;
  Grid.FixedRows = 1;
  Grid.FixedCols = 0;
  Grid.Cells.assign(static_cast<std::size_t>(Grid.RowCount) * Columns, std::string());
  Grid.Cell(0, 0) = "Pin#";
  Grid.Cell(0, 1) = "Hole";
  Grid.Cell(0, 2) = "Aper";
  Grid.Cell(0, 3) = "Aper Type";
  for (int I = 0; I < TableRows; ++I) {
    const TPinRecord Row = Get(I);  // sizes in millimetres
    fmt::AppendInt(Grid.Cell(I + 1, 0), Row.PinNumber);
    fmt::AppendFixed(Grid.Cell(I + 1, 1), Row.Hole, 4, 2);
    fmt::AppendFixed(Grid.Cell(I + 1, 2), Row.Aperture, 4, 2);
    Grid.Cell(I + 1, 3) = ShapeName(Row.Shape);
  }
}

}  // namespace quillon
