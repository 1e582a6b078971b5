// SPDX-License-Identifier: MIT
#pragma once
// Just enough PNG for the check: reading the pictures the file reader
// exports (8 bits a sample, grey or colour, with or without alpha, not
// interlaced) into coverage, and writing the difference pictures as colour.

#include <array>
#include <functional>
#include <string>

#include "check/Raster.h"

namespace quillon::check {

// The picture in Png as coverage: the first sample of each pixel (red, or
// grey). Returns an empty text on success, else what is wrong with it.
std::string ReadPngCoverage(const std::string& Png, TRaster& Out);

using TRgb = std::array<std::uint8_t, 3>;

// A colour picture of Width x Height whose pixels Pixel(X, Y) gives, row by
// row from the top, encoded as PNG.
std::string EncodePng(int Width, int Height, const std::function<TRgb(int X, int Y)>& Pixel);

}  // namespace quillon::check
