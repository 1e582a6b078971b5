// SPDX-License-Identifier: MIT
#include "preview/TextExtent.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quillon::preview {

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

TTextExtent EstimateTextExtent(const TPcbText& Text, double Scale) {
  TTextExtent E;
  E.Anchor = {Text.X * Scale, Text.Y * Scale};
  E.Height = Text.Size * Scale * TextHeightFactor;
  E.CharWidth = TextWidthRatio * E.Height;
  const double Count = static_cast<double>(Text.Text.size());
  E.Length = std::max(0.0, Count * E.CharWidth - TextEndAllowance * E.CharWidth);

  const TPointMm Low = JustificationOffset(Text.Justification, E.Length, E.Height);
  const std::array<TPointMm, 4> Local = {TPointMm{Low.X, Low.Y}, TPointMm{Low.X + E.Length, Low.Y},
                                         TPointMm{Low.X + E.Length, Low.Y + E.Height},
                                         TPointMm{Low.X, Low.Y + E.Height}};
  double Cos, Sin;
  QuarterTurnExact(Text.Rotation, Cos, Sin);
  for (std::size_t I = 0; I < Local.size(); ++I) {
    const double X = Text.Mirror ? -Local[I].X : Local[I].X;
    const double Y = Local[I].Y;
    E.Corners[I] = {E.Anchor.X + Cos * X - Sin * Y, E.Anchor.Y + Sin * X + Cos * Y};
  }
  return E;
}

}  // namespace quillon::preview
