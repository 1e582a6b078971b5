// SPDX-License-Identifier: MIT
#include <cmath>
#include <numbers>

#include "script/ScriptPcb.h"
#include "script/genesis/GenesisSyntax.h"

namespace quillon {

namespace {

using namespace genesis;

// The character model: the plot gives the character size, a standard-font
// character is 0.808 of it high and 0.76 of its height wide, and a string
// ends 0.43 of a character width before its last cell.
constexpr double HeightFactor = 0.808;
constexpr double WidthRatio = 0.76;
constexpr double EndAllowance = 0.43;

struct TAnchor {
  double X;
  double Y;
};

// Genesis places a string by its lower-left corner. The plot's code is
// 8 x column + row: column 3 centres the string on the anchor, 4 starts it
// there, 5 ends it there; row 1 puts the anchor at the top of the characters,
// 2 at their foot, 3 at their middle. A code outside the nine is placed as 34,
// at the anchor itself, rather than wherever the previous text ended up.
TAnchor LowerLeft(std::uint8_t Justification, double X0, double Y0, double L, double H) {
  // clang-format off
  switch (Justification) {
    case 25: return {X0 - L / 2, Y0 - H};
    case 26: return {X0 - L / 2, Y0};
    case 27: return {X0 - L / 2, Y0 - H / 2};
    case 33: return {X0,         Y0 - H};
    case 35: return {X0,         Y0 - H / 2};
    case 41: return {X0 - L,     Y0 - H};
    case 42: return {X0 - L,     Y0};
    case 43: return {X0 - L,     Y0 - H / 2};
    default: return {X0,         Y0};  // 34
  }
  // clang-format on
}

// Turns P counter-clockwise by Degrees about (X0, Y0).
TAnchor Turn(TAnchor P, double X0, double Y0, std::int32_t Degrees) {
  const double A = Degrees * std::numbers::pi / 180;
  const double Dx = P.X - X0, Dy = P.Y - Y0;
  return {X0 + std::cos(A) * Dx - std::sin(A) * Dy, Y0 + std::sin(A) * Dx + std::cos(A) * Dy};
}

void AddText(TTextLines& Out, const TPcbText& Text, double Scale) {
  const double X0 = Text.X * Scale, Y0 = Text.Y * Scale;
  const double H = Text.Size * Scale * HeightFactor;
  const double W = WidthRatio * H;
  const auto C = static_cast<std::int64_t>(Text.Text.size());  // 8-bit characters
  LineBuilder(Out) << "echo XOrg=" << F42(X0) << ",YOrg=" << F42(Y0) << ",GetSymbWidth=" << F42(W)
                   << ",GetSymbHeight=" << F42(H) << ",GetTextCharCount=" << C;
  const double L = static_cast<double>(C) * W - EndAllowance * W;

  TAnchor A = LowerLeft(Text.Justification, X0, Y0, L, H);
  const bool Mirrored = Text.Mirror != 0;
  if (Mirrored) A.X = X0 - (A.X - X0);
  // Genesis turns the other way round unless the text is mirrored.
  std::int64_t Angle = 0;
  if (Text.Rotation != 0) {
    A = Turn(A, X0, Y0, Text.Rotation);
    Angle = Mirrored ? Text.Rotation : 360 - static_cast<std::int64_t>(Text.Rotation);
  }

  // The size keys carry a blank on each side of "=". The angle is a plain
  // decimal: C's "%0.0d" would print nothing at all for an unturned text.
  LineBuilder(Out) << "COM add_text,attributes=no,type=string," << XY(A.X, A.Y)
                   << ",text=" << ShellWord(Text.Text) << ",x_size = " << F42(W)
                   << ",y_size = " << F42(H) << ",w_factor=1,polarity=positive,angle=" << Angle
                   << (Mirrored ? ",mirror=yes" : ",mirror=no") << ",fontname=standard,ver=1";
}

}  // namespace

void TScriptingPcb::MakeGenesisText() {
  for (int I = 0; I < Layers.Count(); ++I) {
    const TLayer& Layer = Layers.Items(I);
    if (Layer.Texts.Empty()) continue;
    LineBuilder(Output) << "echo Adding text for layer: " << I;
    SelectLayer(Output, LayerName(Layer.Name));
    for (const TPcbText& Text : Layer.Texts) AddText(Output, Text, Scale);
    ZoomHome(Output, AddViewCommands);
  }
}

}  // namespace quillon
