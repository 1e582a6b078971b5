// SPDX-License-Identifier: MIT
#include "script/ScriptPcb.h"
#include "script/cam350/Cam350Syntax.h"

namespace quillon {

namespace {

bool IsRectangle(std::uint16_t Kind) {
  return Kind == kindRectangle || Kind == kindFilledRectangle;
}

}  // namespace

void TScriptingPcb::MakeCam350Lines() {
  // No real D-code is 0, so the run's first line always selects its aperture.
  std::int32_t LastDCode = 0;
  for (int LayerIndex = 0; LayerIndex < Layers.Count(); ++LayerIndex) {
    Checkpoint("CAM350: lines", -1, LayerIndex);
    const TLayer& Layer = Layers.Items(LayerIndex);
    if (Layer.Lines.Empty()) continue;
    cam350::WriteSetLayer(Output, LayerIndex);
    for (const TPcbLine& Line : Layer.Lines) {
      cam350::SelectRoundAperture(Apertures, Output, Line.Width * Scale, LastDCode);
      // Any kind that is not a rectangle is still drawn, as a line.
      Output.Add(IsRectangle(Line.Kind) ? "add_rectangle@" : "add_line@");
      cam350::WriteAxy(Output, cam350::Scaled(Line.StartX, Line.StartY, Scale));
      cam350::WriteAxy(Output, cam350::Scaled(Line.EndX, Line.EndY, Scale));
      Output.Add("back@");
    }
    cam350::WriteViewAll(Output, AddViewCommands);
  }
}

}  // namespace quillon
