#include <string>
#include <vector>

#include "script/ScriptPcb.h"
#include "script/fab/ExcellonWriter.h"
#include "script/fab/FabGerberWriter.h"

namespace quillon {

void TScriptingPcb::WriteFabGerberLayers(std::uint8_t Options) {
  if (LayerOutputs.size() < static_cast<std::size_t>(Layers.Count()))
    LayerOutputs.resize(static_cast<std::size_t>(Layers.Count()));
  // The drill layer's file decides which flashes are holes, so the drill
  // file follows the answers given for it and asks nothing of its own.
  std::vector<fab::TDrillHole> Holes;
  for (int L = 0; L < Layers.Count(); ++L)
    fab::TFabGerberWriter(*this, L).Write(Options, LayerOutputs[static_cast<std::size_t>(L)],
                                          Holes);
  DrillOutput.Clear();
  if (ExcellonDrill) fab::WriteExcellon(Holes, DrillOutput);
}

}  // namespace quillon
