#include "model/Pcb.h"
#include "model/PlotError.h"

namespace quillon {

// Filled in by the plot reader.
bool TPcb::LoadFromFile(const std::string& FileName) {
  Layers.Clear();
  CurrentLayer = 0;
  (void)FileName;
  return true;
}

}  // namespace quillon
