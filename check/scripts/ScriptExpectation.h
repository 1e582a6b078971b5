// SPDX-License-Identifier: MIT
#pragma once
// What a CAM350 macro or a Genesis script should draw on one layer, by the
// rules of that format's writer: the layer's pourings or surfaces, lines and
// arcs as a Gerber layer file holds them, and, beyond them, the items whose
// rules differ from a Gerber file's:
// - pads: every flash of every layer is placed. A CAM350 padstack puts its
//   pad on the top and bottom pad layers and its hole on the drill layer (a
//   layer chosen twice takes the later); a Genesis script adds the pad on
//   the top and bottom layers and the hole on the drill layer.
// - texts, in the stroke font: a CAM350 text keeps the justification of the
//   text before it when the plot's is none of the nine; a Genesis text is
//   compared by its strokes drawn with a pen a tenth of its height, since the
//   script gives its string no pen.
// - arcs of a Genesis script run clockwise from start to end, as the script
//   has always written them.

#include <cstdint>
#include <vector>

#include "check/Raster.h"
#include "check/scripts/DrawnItems.h"
#include "script/ScriptPcb.h"

namespace quillon::check::scripts {

enum class TScriptFormat : std::uint8_t {
  Cam350Macro,      // a CAM350 conversion's macro
  Cam350TextMacro,  // the macro of a Gerber conversion: the texts of every layer
  GenesisScript,
};

// The items of layer L the script draws beyond what DrawExpectedLayer draws
// with ScriptLayerRules; Ignore receives the flashes of pins without a row.
std::vector<TDrawnItem> ExpectedScriptItems(const TScriptingPcb& Board, TScriptFormat Format,
                                            std::uint8_t Items, int L, const TWindow& View,
                                            TRaster& Ignore);

// Draws the whole expected picture of layer L.
void DrawExpectedScriptLayer(const TScriptingPcb& Board, TScriptFormat Format,
                             std::uint8_t Items, int L, const TWindow& View, TRaster& Picture,
                             TRaster& Ignore);

}  // namespace quillon::check::scripts
