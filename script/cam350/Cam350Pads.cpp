#include "script/PinQuestion.h"
#include "script/ScriptPcb.h"
#include "script/cam350/Cam350Syntax.h"

namespace quillon {

namespace {

// The pin row that describes a flash: the description counts pins from 0,
// the plot file from 1. Taken in 64 bits and narrowed with wrap-around, so a
// PinNumber that no plot file can hold still gives a defined row number.
std::int32_t PinRowOf(std::int32_t PinNumber) {
  return static_cast<std::int32_t>(std::int64_t{PinNumber} - 1);
}

}  // namespace

void TScriptingPcb::MakeCam350Pads() {
  TPinQuestion Question(Prompts(), "Via with");
  for (int LayerIndex = 0; LayerIndex < Layers.Count(); ++LayerIndex) {
    Checkpoint("CAM350: pads", -1, LayerIndex);
    const TLayer& Layer = Layers.Items(LayerIndex);
    if (Layer.Flashes.Empty()) continue;
    // Pads stay on the layer they were read from.
    cam350::WriteSetLayer(Output, LayerIndex);
    for (const TPcbFlash& Flash : Layer.Flashes) {
      const TPinQuestion::TDecision Decision = Question.Decide(Pins, PinRowOf(Flash.PinNumber));
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
