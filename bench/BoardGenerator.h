// SPDX-License-Identifier: MIT
#pragma once
// Large synthetic boards for the benchmark: every kind of plot record in a
// realistic mix, spread over the layers of a two-sided board, the same board
// for the same record count. The board can be written as a plot file that
// loads back into the same model.

#include <cstdint>
#include <string>

namespace quillon {
class TPcb;
class TPins;
}  // namespace quillon

namespace quillon::bench {

// Fills an empty board with Records items (lines, rectangles, filled
// rectangles, arcs, texts, flashes, complex polygons with holes and circles)
// on the layers COMP, SOLDER, MSKGTP, MSKGBT, PIN (all flashes) and SILK.
void GenerateBoard(TPcb& Pcb, std::int64_t Records);

// The pin rows the generated flashes use (pins 1 to PinCount), in millimetres.
constexpr int PinCount = 16;
void AddBenchPins(TPins& Pins);
// Those rows as a "Pin# Hole Aper" description file, CR LF line ends.
std::string BenchPinDescription();

// The plot file of a board: header, layer table, then each layer's items
// after a layer select.
std::string PlotFileBytes(const TPcb& Pcb);

// Items on the board, each polygon counted once.
std::int64_t CountRecords(const TPcb& Pcb);

}  // namespace quillon::bench
