// SPDX-License-Identifier: MIT
#pragma once
// A point of the board in millimetres, Y pointing up: where a text's box and
// strokes lie, and what the preview draws in.

namespace quillon::font {

struct TPointMm {
  double X = 0;
  double Y = 0;
};

}  // namespace quillon::font
