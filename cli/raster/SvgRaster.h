#pragma once
// Turns an SVG document into a PNG image through Qt's SVG renderer. Built only
// when Qt SVG is found; quillon-cli then defines QUILLON_HAVE_SVG_RASTER.

#include <string>

namespace quillon::cli {

// Renders Svg onto a WidthPx x HeightPx image and saves it as PNG at
// PngPath. Returns an empty text on success, otherwise what went wrong.
std::string RasterizeSvgToPng(const std::string& Svg, int WidthPx, int HeightPx,
                              const std::string& PngPath);

}  // namespace quillon::cli
