// SPDX-License-Identifier: MIT
#pragma once
// Paints what a script draws on one layer with the check's raster painter, in
// the file's order, so that a void clears only what was drawn before it.
// Texts are drawn with the same stroke font as the plot's texts.

#include <vector>

#include "check/Raster.h"
#include "check/scripts/DrawnItems.h"

namespace quillon::check::scripts {

void PaintDrawnItems(const std::vector<TDrawnItem>& Items, const TWindow& View, TRaster& Picture);

// The strokes of a text placed as the plot places it, in the stroke font:
// polylines (Ends as font::TTextStrokes) in millimetres.
void TextPolylines(const TDrawnText& Text, std::vector<TPointMm>& Points,
                   std::vector<std::uint32_t>& Ends);

}  // namespace quillon::check::scripts
