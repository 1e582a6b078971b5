// SPDX-License-Identifier: MIT
#include "script/gerber/GerberSyntax.h"
#include "script/ScriptPcb.h"

namespace quillon {

// Every arc runs counter-clockwise from start to end; I and J are the signed
// distances from the start point to the centre.
void TScriptingPcb::WriteGerberArcs(int L) {
  if (L < 0 || L >= Layers.Count()) return;
  TGerberSyntax Gerber(Output, Coord, Scale, GerberTexts);
  std::int32_t Selected = 0;  // no D-code selected at the start
  for (const TPcbArc& Arc : Layers.Items(L).Arcs) {
    const std::int32_t D = Apertures.FindOrAdd(shapeCircle, true, Arc.Width * Scale);
    Apertures.TakeNew(D);
    if (D != Selected) Gerber.SelectAperture(D);
    Selected = D;
    Gerber.MultiQuadrant();
    Gerber.LinearMove(Arc.StartX, Arc.StartY);
    Gerber.ArcCcw(Arc.EndX, Arc.EndY, Gerber.Offset(Arc.CenterX, Arc.StartX),
                  Gerber.Offset(Arc.CenterY, Arc.StartY));
    Gerber.Linear();
  }
}

}  // namespace quillon
