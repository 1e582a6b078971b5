// SPDX-License-Identifier: MIT
#pragma once
// A picture of one layer as 8-bit coverage (0 bare, 255 drawn), and the
// window of the board it shows. Both sides of a comparison, the file read
// back and the plot drawn, are pictures of the same window.

#include <cstdint>
#include <vector>

#include "preview/PreviewGeometry.h"

namespace quillon::check {

// The board area a picture shows, in millimetres, and how its pixels lie:
// the window's lower left corner is the lower left corner of the picture, Y
// up, as the file reader draws it; the plot is drawn the same way so that
// the two pictures line up.
struct TWindow {
  double Left = 0, Bottom = 0;  // millimetres
  double PxPerMm = 1;
  int Width = 0, Height = 0;  // pixels

  double PxX(double Mm) const { return (Mm - Left) * PxPerMm; }
  double PxY(double Mm) const { return Height - (Mm - Bottom) * PxPerMm; }
  double MmX(double Px) const { return Px / PxPerMm + Left; }
  double MmY(double Px) const { return (Height - Px) / PxPerMm + Bottom; }
};

struct TRaster {
  int Width = 0, Height = 0;
  std::vector<std::uint8_t> Px;  // row by row from the top

  TRaster() = default;
  TRaster(int W, int H) : Width(W), Height(H), Px(static_cast<std::size_t>(W) * H, 0) {}
  std::uint8_t& At(int X, int Y) { return Px[static_cast<std::size_t>(Y) * Width + X]; }
  std::uint8_t At(int X, int Y) const { return Px[static_cast<std::size_t>(Y) * Width + X]; }
  bool Dark(int X, int Y) const { return At(X, Y) >= 128; }
};

}  // namespace quillon::check
