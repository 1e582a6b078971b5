// SPDX-License-Identifier: MIT
#include "font/TextStrokes.h"

#include <algorithm>
#include <cmath>

#include "font/StrokeFont.h"

namespace quillon::font {

namespace {

// Lays one glyph into the cell that starts at CellStart along the box.
void AddGlyph(const TGlyph& Glyph, double CellStart, TTextStrokes& Out) {
  const TTextExtent& E = Out.Extent;
  // Accents and brackets that reach beyond the band shrink the glyph into it.
  const double Top = std::min<double>(CellTop, Glyph.MinY);
  const double Bottom = std::max<double>(CellBottom, Glyph.MaxY);
  const double ScaleY = E.Height / (Bottom - Top);
  const double Ink = (1 - TextEndAllowance) * E.CharWidth;
  const double Width = Glyph.MaxX - Glyph.MinX;
  const double ScaleX = Width > 0 ? std::min(ScaleY, Ink / Width) : ScaleY;
  const double Centre = (Glyph.MinX + Glyph.MaxX) / 2.0;
  const double Middle = CellStart + Ink / 2;
  std::size_t Begin = 0;
  for (const std::uint16_t End : Glyph.StrokeEnds) {
    for (std::size_t K = Begin; K < End; ++K) {
      const TGlyphPoint P = Glyph.Points[K];
      Out.Points.push_back(E.ToBoard(Middle + (P.X - Centre) * ScaleX, (Bottom - P.Y) * ScaleY));
    }
    // A stroke of one point is a dot: drawn as a stroke of no length.
    if (End - Begin == 1) Out.Points.push_back(Out.Points.back());
    if (End > Begin) Out.Ends.push_back(static_cast<std::uint32_t>(Out.Points.size()));
    Begin = End;
  }
}

}  // namespace

TTextDrawn DrawTextStrokes(const TPcbText& Text, double Scale, TTextStrokes& Out) {
  Out.Points.clear();
  Out.Ends.clear();
  Out.Placeholders = 0;
  Out.Width = TextStrokeWidth(Scale);
  Out.Extent = EstimateTextExtent(Text, Scale);
  if (Text.Text.empty()) return TTextDrawn::Empty;
  if (!(Out.Extent.Height > 0) || !std::isfinite(Out.Extent.Height)) return TTextDrawn::NoSize;
  for (std::size_t I = 0; I < Text.Text.size(); ++I) {
    const TGlyph* Glyph = GlyphOf(static_cast<std::uint8_t>(Text.Text[I]));
    if (!Glyph) {
      Glyph = &Placeholder();
      ++Out.Placeholders;
    }
    AddGlyph(*Glyph, static_cast<double>(I) * Out.Extent.CharWidth, Out);
  }
  return TTextDrawn::Drawn;
}

}  // namespace quillon::font
