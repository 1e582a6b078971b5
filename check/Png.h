// SPDX-License-Identifier: MIT
#pragma once
// Just enough PNG for the check: reading the pictures the file reader
// exports (8 bits a sample, grey or colour, with or without alpha, not
// interlaced) into coverage, and writing the difference pictures as colour.

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "check/Raster.h"

namespace quillon::check {

// Reads a picture row by row as coverage (the first sample of each pixel:
// red, or grey), so that a big picture need not be whole in memory.
class TPngRows {
 public:
  TPngRows() = default;
  ~TPngRows();
  TPngRows(const TPngRows&) = delete;
  TPngRows& operator=(const TPngRows&) = delete;
  // Reads the header of Png, which must outlive this; empty on success, else
  // what is wrong with it.
  std::string Open(const std::string& Png);
  int Width() const { return static_cast<int>(W); }
  int Height() const { return static_cast<int>(H); }
  // The next row's coverage into Out (Width() bytes); empty on success.
  std::string Next(std::uint8_t* Out);

 private:
  std::uint32_t W = 0, H = 0;
  int Channels = 0;
  std::string Data;  // the picture's compressed data, all chunks together
  void* Stream = nullptr;
  std::vector<std::uint8_t> Row, Prev;  // a row as stored; the last row's coverage
};

// The picture in Png as coverage: the first sample of each pixel (red, or
// grey). Returns an empty text on success, else what is wrong with it.
std::string ReadPngCoverage(const std::string& Png, TRaster& Out);

using TRgb = std::array<std::uint8_t, 3>;

// A colour picture of Width x Height whose pixels Pixel(X, Y) gives, row by
// row from the top, encoded as PNG.
std::string EncodePng(int Width, int Height, const std::function<TRgb(int X, int Y)>& Pixel);
// The same with the pixels given a row at a time: Row(Y, Rgb) fills Width
// pixels of three bytes.
std::string EncodePngRows(int Width, int Height,
                          const std::function<void(int Y, std::uint8_t* Rgb)>& Row);

}  // namespace quillon::check
