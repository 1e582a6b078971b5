// SPDX-License-Identifier: MIT
#pragma once
// Renders Gerber files with gerbv into pictures of one window and resolution
// and counts the pixels in which two pictures differ: geometry is compared,
// not text.

#include <string>

namespace quillon {
class TScriptingPcb;
}

namespace quillon::test {

// The window every picture of a board is rendered in: its lower left corner
// and size in inches, and the resolution.
struct RenderWindow {
  double Left = 0, Bottom = 0;  // inches
  int Width = 0, Height = 0;    // pixels
  int Dpi = 0;
};

// A window around every item of the board at Scale, with a margin for the
// apertures, at a resolution that makes its longer side about LongSide pixels.
RenderWindow WindowAround(const TScriptingPcb& Board, double Scale, int LongSide);

// Renders File to Png; returns gerbv's standard error.
std::string Render(const std::string& File, const std::string& Png, const RenderWindow& Window,
                   const std::string& Dir);

struct PixelDifference {
  long long Differing = 0;
  long long Total = 0;
  long long DrawnInFirst = 0;  // foreground pixels of the first picture
  double Fraction() const { return Total ? static_cast<double>(Differing) / Total : 1.0; }
};
// Total stays 0 when a picture cannot be read or the sizes differ.
PixelDifference ComparePictures(const std::string& PngA, const std::string& PngB);

}  // namespace quillon::test
