// SPDX-License-Identifier: MIT
#include "script/PinQuestion.h"
#include "script/ScriptPcb.h"
#include "script/cam350/Cam350Syntax.h"

namespace quillon {

void TScriptingPcb::MakeCam350Pads() {
  TPinQuestion Question(Prompts(), "Via with");
  for (int LayerIndex = 0; LayerIndex < Layers.Count(); ++LayerIndex) {
    Checkpoint("CAM350: pads", -1, LayerIndex);
    const TLayer& Layer = Layers.Items(LayerIndex);
    if (Layer.Flashes.Empty()) continue;
    // Pads stay on the layer they were read from.
    cam350::WriteSetLayer(Output, LayerIndex);
    for (const TPcbFlash& Flash : Layer.Flashes) {
      const TPinQuestion::TDecision Decision =
          Question.Decide(Pins, PinRowOf(Flash.PinNumber), LayerIndex, &Flash);
      // Cancel ends the writer here: no view command for this layer, no pads
      // on later layers.
      if (Decision == TPinQuestion::Stop) return;
      if (Decision == TPinQuestion::Skip) continue;
      Output.Add("add_padstack@");
      LineBuilder(Output) << "setpadstack@ " << Flash.PinNumber;
      cam350::WriteAxy(Output, cam350::Scaled(Flash.X, Flash.Y, Scale));
      Output.Add("back@");
    }
    cam350::WriteViewAll(Output, AddViewCommands);
  }
}

}  // namespace quillon
