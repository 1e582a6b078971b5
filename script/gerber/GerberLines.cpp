// SPDX-License-Identifier: MIT
#include "script/gerber/GerberSyntax.h"
#include "script/ScriptPcb.h"

namespace quillon {

void TScriptingPcb::WriteGerberLines(int L) {
  if (L < 0 || L >= Layers.Count()) return;
  TGerberSyntax Gerber(Output, Coord, Scale, GerberTexts);
  std::int32_t Selected = 0;  // no D-code selected at the start
  for (const TPcbLine& Line : Layers.Items(L).Lines) {
    const std::int32_t D = Apertures.FindOrAdd(shapeCircle, true, Line.Width * Scale);
    Apertures.TakeNew(D);  // Gerber declares every aperture in the header
    if (D != Selected) Gerber.SelectAperture(D);
    Selected = D;
    Gerber.Move(Line.StartX, Line.StartY);
    if (Line.Kind == kindLine) {
      Gerber.Draw(Line.EndX, Line.EndY);
    } else if (Line.Kind == kindRectangle || Line.Kind == kindFilledRectangle) {
      // Opposite corners: the outline is drawn with the line's aperture.
      Gerber.Draw(Line.EndX, Line.StartY);
      Gerber.Draw(Line.EndX, Line.EndY);
      Gerber.Draw(Line.StartX, Line.EndY);
      Gerber.Draw(Line.StartX, Line.StartY);
    }
  }
}

}  // namespace quillon
