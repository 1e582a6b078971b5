// SPDX-License-Identifier: MIT
#include "script/ScriptPcb.h"
#include "script/cam350/Cam350Syntax.h"

namespace quillon {

void TScriptingPcb::MakeCam350Arcs() {
  // No real D-code is 1, so the run's first arc always selects its aperture.
  std::int32_t LastDCode = 1;
  for (int LayerIndex = 0; LayerIndex < Layers.Count(); ++LayerIndex) {
    Checkpoint("CAM350: arcs", -1, LayerIndex);
    const TLayer& Layer = Layers.Items(LayerIndex);
    if (Layer.Arcs.Empty()) continue;
    cam350::WriteSetLayer(Output, LayerIndex);
    for (const TPcbArc& Arc : Layer.Arcs) {
      cam350::SelectRoundAperture(Apertures, Output, Arc.Width * Scale, LastDCode);
      Output.Add("update_dcodebar@");
      // Compared in database units: an arc whose ends differ by one unit
      // stays an arc even when both ends print as the same point.
      const bool FullCircle = Arc.StartX == Arc.EndX && Arc.StartY == Arc.EndY;
      Output.Add(FullCircle ? "add_circle@" : "add_arc@");
      cam350::WriteAxy(Output, cam350::Scaled(Arc.CenterX, Arc.CenterY, Scale));
      cam350::WriteAxy(Output, cam350::Scaled(Arc.StartX, Arc.StartY, Scale));
      // The direction lies in the order center, start, end alone.
      if (!FullCircle) cam350::WriteAxy(Output, cam350::Scaled(Arc.EndX, Arc.EndY, Scale));
      Output.Add("back@");
    }
    cam350::WriteViewAll(Output, AddViewCommands);
  }
}

}  // namespace quillon
