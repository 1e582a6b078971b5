#include "pins/Pins.h"

namespace quillon {

// Filled in by the pin description reader.
void TPins::FillGrid(TGrid& Grid) const { Grid = TGrid{}; }

}  // namespace quillon
