// SPDX-License-Identifier: MIT
#pragma once
// What a written file should draw, drawn from the plot by the preview's
// renderer and the rules of the writer of that file: a layer file holds its
// layer's regions (their holes cleared out of what lies below), the pads its
// role flashes, its strokes; a drill file its holes. Flashes of pins without
// a description row are drawn where the writer may or may not have put them
// (it asks), into a picture of places not compared.

#include <cstdint>

#include "check/Raster.h"
#include "script/LayerRoles.h"
#include "script/ScriptPcb.h"

namespace quillon::check {

struct TLayerFileRules {
  int Layer = 0;
  TLayerRole Role = TLayerRole::Other;  // decides which flashes the file holds
  std::uint8_t Options = coAll;         // the item switches of the conversion
  // Whether the file draws the layer's texts: only files whose format carries
  // them as drawn strokes. Off for the legacy Gerber files and drill files.
  bool CarriesTexts = false;
};

// Draws the layer file's expected picture into Picture; Ignore receives the
// places not compared, and is left without pixels when there are none.
// Both are pictures of View.
void DrawExpectedLayer(const TScriptingPcb& Board, const TLayerFileRules& Rules,
                       const TWindow& View, TRaster& Picture, TRaster& Ignore);

// The holes of the plated or of the non-plated drill file.
void DrawExpectedDrill(const TScriptingPcb& Board, bool Plated, std::uint8_t Options,
                       const TWindow& View, TRaster& Picture, TRaster& Ignore);

// The outline file drawn from the plot header's extents: their rectangle.
void DrawExpectedOutline(const TScriptingPcb& Board, const TWindow& View, TRaster& Picture);

// Everything the board draws on any layer, in millimetres: the area the
// pictures show.
preview::TBoxMm BoardExtent(const TScriptingPcb& Board);

}  // namespace quillon::check
