// SPDX-License-Identifier: MIT
#include "script/ScriptPcb.h"
#include "script/genesis/GenesisSyntax.h"
#include "text/OneLine.h"

namespace quillon {

void TScriptingPcb::WriteLayerTable(std::uint8_t Format) {
  if (Format == fmtCam350Macro) {
    // The index, not the plot's layer number, is what every later
    // "setlayer@" of the macro names.
    for (int I = 0; I < Layers.Count(); ++I) {
      const TLayer& Layer = Layers.Items(I);
      LineBuilder(Output) << "edit_layer@ " << I << ',' << unsigned{Layer.Number} << ','
                          << unsigned{Layer.Number} << ",4,0,\"" << OneLine(Layer.Name) << '"';
    }
  } else if (Format == fmtGenesis) {
    // The same layer name as every body writer selects it by.
    for (int I = 0; I < Layers.Count(); ++I)
      LineBuilder(Output) << "COM matrix_add_layer,job=" << JobName
                          << ",matrix=matrix,layer=" << genesis::LayerName(Layers.Items(I).Name)
                          << ",row=" << I + 1 << ",context=misc,type=document,polarity=positive";
  }
}

}  // namespace quillon
