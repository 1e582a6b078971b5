#pragma once
// Draws a board's preview straight into an image of the picture's size and
// encodes it as PNG: the memory it takes follows the picture and the board,
// never the size of an SVG document of a million items. Items smaller than a
// pixel are one pixel of their colour. Built only where Qt Gui is found.

#include <string>

#include "preview/SvgWriter.h"

namespace quillon::cli {

// The layers Options draws, as the SVG of the same options shows them: the
// board area View onto WidthPx x HeightPx pixels. Png receives the encoded
// image. Returns an empty text on success, otherwise what went wrong.
std::string RasterizeBoardToPng(const TPcb& Board, const preview::TSvgOptions& Options,
                                const preview::TBoxMm& View, int WidthPx, int HeightPx,
                                std::string& Png);

}  // namespace quillon::cli
