// SPDX-License-Identifier: MIT
#include "font/TextExtent.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quillon::font {

TPointMm JustificationOffset(std::uint8_t Justification, double Length, double Height) {
  const int Column = Justification / 8;  // where X0 lies along the string
  const int Row = Justification % 8;     // where Y0 lies across it
  const bool Known = Column >= 3 && Column <= 5 && Row >= 1 && Row <= 3;
  if (!Known) return {0, 0};
  TPointMm Offset;
  if (Column == 3) Offset.X = -Length / 2;
  if (Column == 5) Offset.X = -Length;
  if (Row == 1) Offset.Y = -Height;
  if (Row == 3) Offset.Y = -Height / 2;
  return Offset;
}

namespace {
// Texts turn by quarter turns; the cosine of 90 degrees computed in floating
// point is not 0, and a box edge would lean by it.
void QuarterTurnExact(std::int32_t Degrees, double& Cos, double& Sin) {
  const int Reduced = static_cast<int>((Degrees % 360 + 360) % 360);
  switch (Reduced) {
    case 0:
      Cos = 1, Sin = 0;
      return;
    case 90:
      Cos = 0, Sin = 1;
      return;
    case 180:
      Cos = -1, Sin = 0;
      return;
    case 270:
      Cos = 0, Sin = -1;
      return;
    default:
      Cos = std::cos(Reduced * std::numbers::pi / 180.0);
      Sin = std::sin(Reduced * std::numbers::pi / 180.0);
  }
}
}  // namespace

TPointMm TTextExtent::ToBoard(double X, double Y) const {
  const double Along = Mirror ? -(Low.X + X) : Low.X + X;
  const double Across = Low.Y + Y;
  return {Anchor.X + Cos * Along - Sin * Across, Anchor.Y + Sin * Along + Cos * Across};
}

TTextExtent EstimateTextExtent(const TPcbText& Text, double Scale) {
  TTextExtent E;
  E.Anchor = {Text.X * Scale, Text.Y * Scale};
  E.Height = Text.Size * Scale * TextHeightFactor;
  E.CharWidth = TextWidthRatio * E.Height;
  const double Count = static_cast<double>(Text.Text.size());
  E.Length = std::max(0.0, Count * E.CharWidth - TextEndAllowance * E.CharWidth);
  E.Low = JustificationOffset(Text.Justification, E.Length, E.Height);
  E.Mirror = Text.Mirror != 0;
  QuarterTurnExact(Text.Rotation, E.Cos, E.Sin);
  E.Corners = {E.ToBoard(0, 0), E.ToBoard(E.Length, 0), E.ToBoard(E.Length, E.Height),
               E.ToBoard(0, E.Height)};
  return E;
}

}  // namespace quillon::font
