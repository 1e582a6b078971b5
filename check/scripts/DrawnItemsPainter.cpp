// SPDX-License-Identifier: MIT
#include "check/scripts/DrawnItemsPainter.h"

#include <cmath>

#include "check/RasterPainter.h"
#include "font/TextStrokes.h"
#include "preview/ArcGeometry.h"

namespace quillon::check::scripts {

namespace {

// Texts are handed to the stroke font in thousandths of a millimetre.
constexpr double MicrometreScale = 0.001;

std::int32_t Micrometres(double Mm) {
  const double V = std::round(Mm / MicrometreScale);
  return static_cast<std::int32_t>(std::clamp(V, -2.0e9, 2.0e9));
}

class TItemPainter {
 public:
  TItemPainter(TRasterPainter& P) : P(P) {}
  void operator()(const TDrawnLine& L) { P.Segment(L.A, L.B, L.Width); }
  void operator()(const TDrawnArc& A) {
    const double Radius = std::hypot(A.Start.X - A.Center.X, A.Start.Y - A.Center.Y);
    const bool Full = A.Start.X == A.End.X && A.Start.Y == A.End.Y;
    // A clockwise arc is the counter-clockwise one from its end to its start.
    const TPointMm From = A.Clockwise ? A.End : A.Start, To = A.Clockwise ? A.Start : A.End;
    const double StartDeg = preview::DirectionDeg(A.Center, From);
    const double Sweep =
        Full ? 360 : preview::CounterClockwiseSweep(StartDeg, preview::DirectionDeg(A.Center, To));
    P.Arc(A.Center, Radius, StartDeg, Sweep > 0 ? Sweep : 360, A.Width);
  }
  void operator()(const TDrawnPad& D) {
    P.SetValue(D.Negative ? 0 : 255);
    switch (D.Shape) {
      case TPadShape::Round: P.Circle(D.Center, D.Size / 2); break;
      case TPadShape::Square: P.Square(D.Center, D.Size); break;
      case TPadShape::Butterfly: Butterfly(D); break;
    }
    P.SetValue(255);
  }
  void operator()(const TDrawnSurface& S) {
    P.SetValue(S.Negative ? 0 : 255);
    P.Polygon(S.Points);
    P.SetValue(255);
  }
  void operator()(const TDrawnText& T) {
    TextPolylines(T, Points, Ends);
    std::size_t Begin = 0;
    for (const std::uint32_t End : Ends) {
      if (End < Begin || End > Points.size()) break;
      for (std::size_t K = Begin + 1; K < End; ++K) P.Segment(Points[K - 1], Points[K], T.Width);
      Begin = End;
    }
  }

 private:
  // The upper right and the lower left quarter of the disc.
  void Butterfly(const TDrawnPad& D) {
    const double R = D.Size / 2;
    for (const double From : {0.0, 180.0}) {
      std::vector<TPointMm> Quarter{D.Center};
      for (int K = 0; K <= 24; ++K) {
        const double A = (From + 90.0 * K / 24) * std::numbers::pi / 180;
        Quarter.push_back({D.Center.X + R * std::cos(A), D.Center.Y + R * std::sin(A)});
      }
      P.Polygon(Quarter);
    }
  }

  TRasterPainter& P;
  std::vector<TPointMm> Points;
  std::vector<std::uint32_t> Ends;
};

}  // namespace

void TextPolylines(const TDrawnText& Text, std::vector<TPointMm>& Points,
                   std::vector<std::uint32_t>& Ends) {
  TPcbText T;
  T.X = Micrometres(Text.Anchor.X);
  T.Y = Micrometres(Text.Anchor.Y);
  T.Size = Micrometres(Text.Size);
  T.Rotation = static_cast<std::int32_t>(std::lround(std::fmod(Text.Rotation, 360.0)));
  T.Mirror = Text.Mirror ? 1 : 0;
  T.Justification = Text.Justification;
  T.Text = Text.Text;
  font::TTextStrokes Strokes;
  font::DrawTextStrokes(T, MicrometreScale, Strokes);
  Points = std::move(Strokes.Points);
  Ends = std::move(Strokes.Ends);
}

void PaintDrawnItems(const std::vector<TDrawnItem>& Items, const TWindow& View, TRaster& Picture) {
  TRasterPainter Painter(Picture, View);
  TItemPainter Paint(Painter);
  for (const TDrawnItem& Item : Items) std::visit(Paint, Item);
}

}  // namespace quillon::check::scripts
