// SPDX-License-Identifier: MIT
#pragma once
// Writes a board preview as SVG, with nothing beyond the standard library.
// One group per layer carries the layer's index, name, role and colour; each
// item's element has an id made of its layer index, kind and index in its
// list ("l0-line-12"), so ids stay the same from run to run. Units are
// millimetres; Y is flipped so that the board reads as it is drawn.

#include <cstddef>
#include <string>
#include <vector>

#include "preview/BoardRenderer.h"

namespace quillon::preview {

struct TSvgOptions {
  TRenderOptions Render;
  // Layer indexes to draw, the last on top; empty: all in StackingOrder.
  std::vector<int> Layers;
};

struct TSvgPicture {
  std::string Text;               // the SVG document, UTF-8
  TBoxMm View;                    // what the picture shows, board millimetres
  std::size_t Items = 0;          // items drawn
  std::size_t UndefinedPins = 0;  // flashes marked for want of a pin row
};

TSvgPicture WriteSvg(const TPcb& Board, const TSvgOptions& Options);

// Appends V with at most four decimals and no trailing zeros ("12.5", "-3").
void AppendSvgNumber(std::string& Out, double V);

}  // namespace quillon::preview
