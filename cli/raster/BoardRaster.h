// SPDX-License-Identifier: MIT
#pragma once
// Draws a board's preview straight into an image of the picture's size and
// encodes it as PNG: the memory it takes follows the picture and the board,
// never the size of an SVG document of a million items. Items smaller than a
// pixel are one pixel of their colour.
//
// The painting needs Qt, so it lives in a module of its own (quillon-png),
// loaded by the command line only when a PNG is asked for.

#include <string>

#include "preview/SvgWriter.h"

namespace quillon::cli {

// The module's one entry point, looked up by PngModuleEntry: the layers
// Options draws, as the SVG of the same options shows them, the board area
// View onto WidthPx x HeightPx pixels. Png receives the encoded image and
// Error stays empty, or Error says what went wrong. Never throws.
using TPaintBoardToPng = void(const TPcb& Board, const preview::TSvgOptions& Options,
                              const preview::TBoxMm& View, int WidthPx, int HeightPx,
                              std::string& Png, std::string& Error);
inline constexpr const char* PngModuleEntry = "QuillonPaintBoardToPng";
inline constexpr const char* PngModuleFile = "quillon-png.so";

// In the command line: loads the module and paints through it. Returns an
// empty text on success, otherwise what went wrong (a missing module too).
std::string RasterizeBoardToPng(const TPcb& Board, const preview::TSvgOptions& Options,
                                const preview::TBoxMm& View, int WidthPx, int HeightPx,
                                std::string& Png);

}  // namespace quillon::cli
