// SPDX-License-Identifier: MIT
#include "font/TextStrokes.h"

#include <algorithm>
#include <cmath>

#include "font/StrokeFont.h"

namespace quillon::font {

namespace {

// The font's curves are polylines fine enough for a large plotter drawing; a
// point whose leaving out moves the pen's centre line by less than this part
// of its width changes nothing a board shows, and a big board's texts would
// otherwise double the size of its fab files.
constexpr double SimplifyFraction = 0.25;

// The square of P's distance from the line through A and B (from A when
// they coincide).
double SquaredDistanceToLine(TPointMm P, TPointMm A, TPointMm B) {
  const double Dx = B.X - A.X, Dy = B.Y - A.Y;
  const double Length2 = Dx * Dx + Dy * Dy;
  const double Px = P.X - A.X, Py = P.Y - A.Y;
  if (Length2 == 0) return Px * Px + Py * Py;
  const double Cross = Dx * Py - Dy * Px;
  return Cross * Cross / Length2;
}

// Keeps of Points[First, End) the corners a polyline of them needs to stay
// within Tolerance of every point (Douglas-Peucker); the kept points move
// to the front, their count is returned.
std::size_t Simplify(std::vector<TPointMm>& Points, std::size_t First, double Tolerance,
                     std::vector<bool>& Keep,
                     std::vector<std::pair<std::size_t, std::size_t>>& Work) {
  const std::size_t Count = Points.size() - First;
  if (Count < 3 || !(Tolerance > 0)) return Count;
  Keep.assign(Count, false);
  Keep.front() = Keep.back() = true;
  Work.assign(1, {0, Count - 1});
  while (!Work.empty()) {
    const auto [A, B] = Work.back();
    Work.pop_back();
    double Farthest = -1;
    std::size_t At = A;
    for (std::size_t K = A + 1; K < B; ++K) {
      const double D =
          SquaredDistanceToLine(Points[First + K], Points[First + A], Points[First + B]);
      if (D > Farthest) Farthest = D, At = K;
    }
    if (Farthest > Tolerance * Tolerance) {
      Keep[At] = true;
      Work.push_back({A, At});
      Work.push_back({At, B});
    }
  }
  std::size_t Kept = 0;
  for (std::size_t K = 0; K < Count; ++K)
    if (Keep[K]) Points[First + Kept++] = Points[First + K];
  Points.resize(First + Kept);
  return Kept;
}

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
  static thread_local std::vector<bool> Keep;
  static thread_local std::vector<std::pair<std::size_t, std::size_t>> Work;
  std::size_t Begin = 0;
  for (const std::uint16_t End : Glyph.StrokeEnds) {
    const std::size_t First = Out.Points.size();
    for (std::size_t K = Begin; K < End; ++K) {
      const TGlyphPoint P = Glyph.Points[K];
      Out.Points.push_back(E.ToBoard(Middle + (P.X - Centre) * ScaleX, (Bottom - P.Y) * ScaleY));
    }
    Simplify(Out.Points, First, SimplifyFraction * Out.Width, Keep, Work);
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
