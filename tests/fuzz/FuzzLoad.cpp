// Any bytes as a plot file: the reader must end with a result or one of its
// stopping errors, never crash, hang or read out of bounds.
#include <cstddef>
#include <cstdint>

#include "FuzzInput.h"
#include "model/PlotError.h"
#include "model/Pcb.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  quillon::fuzz::TScratchFile File({reinterpret_cast<const char*>(Data), Size});
  quillon::TPcb Board;
  try {
    Board.LoadFromFile(File.Path());
  } catch (const quillon::TPlotError&) {
  }
  return 0;
}
