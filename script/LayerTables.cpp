// SPDX-License-Identifier: MIT
#include "script/LayerRoles.h"
#include "script/ScriptPcb.h"
#include "script/genesis/GenesisSyntax.h"
#include "text/OneLine.h"

namespace quillon {

namespace {

// The role a Genesis matrix types layer L by. The script has no mask layers,
// and a mask no layer was chosen for stays on the first layer: a layer that
// is also copper or the drill layer is typed as that.
TLayerRole MatrixRoleOf(const TScriptingPcb& Board, int L) {
  for (TLayerRole Role : {TLayerRole::Drill, TLayerRole::PadBottom, TLayerRole::PadTop})
    if (L == ChosenLayer(Board, Role)) return Role;
  return FabRoleOf(Board, L);
}

}  // namespace

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
                          << ",row=" << I + 1 << ",context="
                          << genesis::MatrixType(GenesisMatrix == TGenesisMatrix::Roles
                                                     ? MatrixRoleOf(*this, I)
                                                     : TLayerRole::Other)
                          << ",polarity=positive";
  }
}

}  // namespace quillon
