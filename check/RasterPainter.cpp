// SPDX-License-Identifier: MIT
#include "check/RasterPainter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quillon::check {

using preview::TPointMm;

namespace {

// The first pixel whose centre lies at or after X (in pixels).
int FirstCentreAtOrAfter(double X) { return static_cast<int>(std::ceil(X - 0.5)); }

}  // namespace

void TRasterPainter::AddRing(std::span<const TPointMm> Ring) {
  if (Ring.size() < 2) return;
  for (std::size_t I = 0; I < Ring.size(); ++I) {
    const TPointMm& A = Ring[I];
    const TPointMm& B = Ring[(I + 1) % Ring.size()];
    double X0 = W.PxX(A.X), Y0 = W.PxY(A.Y), X1 = W.PxX(B.X), Y1 = W.PxY(B.Y);
    if (!std::isfinite(X0) || !std::isfinite(Y0) || !std::isfinite(X1) || !std::isfinite(Y1))
      continue;
    if (Y0 == Y1) continue;
    if (Y0 > Y1) {
      std::swap(X0, X1);
      std::swap(Y0, Y1);
    }
    Edges.push_back({X0, Y0, X1, Y1});
  }
}

void TRasterPainter::FillEdges() {
  if (Edges.empty()) return;
  std::sort(Edges.begin(), Edges.end(), [](const TEdge& A, const TEdge& B) { return A.Y0 < B.Y0; });
  double Bottom = Edges.front().Y1;
  for (const TEdge& E : Edges) Bottom = std::max(Bottom, E.Y1);
  const int FirstRow = std::max(0, FirstCentreAtOrAfter(Edges.front().Y0));
  const int LastRow = std::min(R.Height - 1, FirstCentreAtOrAfter(Bottom) - 1);
  std::vector<const TEdge*> Active;
  std::size_t Next = 0;
  for (int Row = FirstRow; Row <= LastRow; ++Row) {
    const double Y = Row + 0.5;
    while (Next < Edges.size() && Edges[Next].Y0 <= Y) Active.push_back(&Edges[Next++]);
    std::erase_if(Active, [Y](const TEdge* E) { return E->Y1 <= Y; });
    Crossings.clear();
    for (const TEdge* E : Active)
      if (E->Y0 <= Y) Crossings.push_back(E->X0 + (Y - E->Y0) * (E->X1 - E->X0) / (E->Y1 - E->Y0));
    std::sort(Crossings.begin(), Crossings.end());
    std::uint8_t* Line = &R.Px[static_cast<std::size_t>(Row) * R.Width];
    for (std::size_t K = 0; K + 1 < Crossings.size(); K += 2) {
      const int From = std::max(0, FirstCentreAtOrAfter(Crossings[K]));
      const int To = std::min(R.Width, FirstCentreAtOrAfter(Crossings[K + 1]));
      if (From < To) std::fill(Line + From, Line + To, Value);
    }
  }
  Edges.clear();
}

// A line across a convex shape meets its outline twice: no list of
// crossings to sort, the same pixels as FillEdges. Most of what a board
// draws are the bodies of strokes.
void TRasterPainter::ConvexPolygon(std::span<const TPointMm> Points) {
  AddRing(Points);
  if (Edges.empty()) return;
  double Top = Edges.front().Y0, Bottom = Edges.front().Y1;
  for (const TEdge& E : Edges) {
    Top = std::min(Top, E.Y0);
    Bottom = std::max(Bottom, E.Y1);
  }
  const int FirstRow = std::max(0, FirstCentreAtOrAfter(Top));
  const int LastRow = std::min(R.Height - 1, FirstCentreAtOrAfter(Bottom) - 1);
  for (int Row = FirstRow; Row <= LastRow; ++Row) {
    const double Y = Row + 0.5;
    double Left = 0, Right = 0;
    int Crossings = 0;
    for (const TEdge& E : Edges) {
      if (!(E.Y0 <= Y && E.Y1 > Y)) continue;
      const double X = E.X0 + (Y - E.Y0) * (E.X1 - E.X0) / (E.Y1 - E.Y0);
      Left = Crossings == 0 ? X : std::min(Left, X);
      Right = Crossings == 0 ? X : std::max(Right, X);
      ++Crossings;
    }
    if (Crossings < 2) continue;
    const int From = std::max(0, FirstCentreAtOrAfter(Left));
    const int To = std::min(R.Width, FirstCentreAtOrAfter(Right));
    std::uint8_t* Line = &R.Px[static_cast<std::size_t>(Row) * R.Width];
    if (From < To) std::fill(Line + From, Line + To, Value);
  }
  Edges.clear();
}

void TRasterPainter::Rings(std::span<const TPointMm> Points,
                           std::span<const std::uint32_t> RingEnds) {
  std::size_t Begin = 0;
  for (const std::uint32_t End : RingEnds) {
    if (End > Points.size() || End < Begin) break;
    AddRing(Points.subspan(Begin, End - Begin));
    Begin = End;
  }
  FillEdges();
}

void TRasterPainter::Polygon(std::span<const TPointMm> Points) {
  AddRing(Points);
  FillEdges();
}

int TRasterPainter::CircleSteps(double RadiusPx) const {
  // Chords no farther than a tenth of a pixel from the circle.
  if (!(RadiusPx > 0.1)) return 8;
  const double Step = 2 * std::acos(1 - 0.1 / RadiusPx);
  return std::clamp(static_cast<int>(std::ceil(2 * std::numbers::pi / Step)), 8, 1 << 16);
}

void TRasterPainter::Circle(TPointMm Center, double Radius) {
  if (!(Radius > 0) || !std::isfinite(Radius)) return;
  const double Cx = W.PxX(Center.X), Cy = W.PxY(Center.Y), Rp = Radius * W.PxPerMm;
  if (!std::isfinite(Cx) || !std::isfinite(Cy)) return;
  const int FirstRow = std::max(0, FirstCentreAtOrAfter(Cy - Rp));
  const int LastRow = std::min(R.Height - 1, FirstCentreAtOrAfter(Cy + Rp) - 1);
  for (int Row = FirstRow; Row <= LastRow; ++Row) {
    const double Dy = Row + 0.5 - Cy;
    const double Dx2 = Rp * Rp - Dy * Dy;
    if (Dx2 <= 0) continue;
    const double Dx = std::sqrt(Dx2);
    const int From = std::max(0, FirstCentreAtOrAfter(Cx - Dx));
    const int To = std::min(R.Width, FirstCentreAtOrAfter(Cx + Dx));
    std::uint8_t* Line = &R.Px[static_cast<std::size_t>(Row) * R.Width];
    if (From < To) std::fill(Line + From, Line + To, Value);
  }
}

TPointMm TRasterPainter::FlashCentre(TPointMm P) const {
  return {W.MmX(std::floor(W.PxX(P.X) + 0.5)), W.MmY(std::floor(W.PxY(P.Y) + 0.5))};
}

void TRasterPainter::Square(TPointMm Center, double Side) {
  if (!(Side > 0)) return;
  const double H = Side / 2;
  const TPointMm Corners[] = {{Center.X - H, Center.Y - H},
                              {Center.X + H, Center.Y - H},
                              {Center.X + H, Center.Y + H},
                              {Center.X - H, Center.Y + H}};
  ConvexPolygon(Corners);
}

// The reader draws without anti-aliasing and puts the ends of a stroke on
// its pixel grid: on a pixel's corner when the stroke is an even number of
// pixels wide, else on a pixel's centre (a stroke thinner than a pixel is
// drawn one pixel wide), so that a thin line keeps its width wherever it
// lies. Drawn where the plot puts it instead, a thin line beside another
// moves by a pixel against the reader's, and a gap of one pixel between
// them with it: a difference three pixels across that no edge explains.
TPointMm TRasterPainter::OnReaderGrid(TPointMm P, double Width) const {
  const double WidthPx = std::max(1.0, std::floor(Width * W.PxPerMm + 0.5));
  const double Half = std::fmod(WidthPx, 2) == 1 ? 0.5 : 0;
  const double X = std::floor(W.PxX(P.X) + 0.5) + Half;
  const double Y = std::floor(W.PxY(P.Y) + 0.5) + Half;
  return {W.MmX(X), W.MmY(Y)};
}

void TRasterPainter::Segment(TPointMm A, TPointMm B, double Width) {
  if (!(Width > 0) || !std::isfinite(Width)) return;
  A = OnReaderGrid(A, Width);
  B = OnReaderGrid(B, Width);
  Width = std::max(Width, 1 / W.PxPerMm);
  const double H = Width / 2;
  Circle(A, H);
  Circle(B, H);
  const double Dx = B.X - A.X, Dy = B.Y - A.Y, Length = std::hypot(Dx, Dy);
  if (!(Length > 0)) return;
  const double Nx = -Dy / Length * H, Ny = Dx / Length * H;
  const TPointMm Body[] = {
      {A.X + Nx, A.Y + Ny}, {B.X + Nx, B.Y + Ny}, {B.X - Nx, B.Y - Ny}, {A.X - Nx, A.Y - Ny}};
  ConvexPolygon(Body);
}

void TRasterPainter::Arc(TPointMm Center, double Radius, double StartDeg, double SweepDeg,
                         double Width) {
  if (!(Width > 0) || !(Radius > 0)) return;
  // Its centre stays where it is, but no arc is thinner than a pixel.
  Width = std::max(Width, 1 / W.PxPerMm);
  const double H = Width / 2;
  const double Outer = Radius + H, Inner = std::max(0.0, Radius - H);
  const int FullSteps = CircleSteps(Outer * W.PxPerMm);
  const double Sweep = std::clamp(SweepDeg, 0.0, 360.0) * std::numbers::pi / 180;
  const int Steps =
      std::max(2, static_cast<int>(std::ceil(FullSteps * Sweep / (2 * std::numbers::pi))));
  const double Start = StartDeg * std::numbers::pi / 180;
  auto At = [&](double Rad, int K) {
    const double A = Start + Sweep * K / Steps;
    return TPointMm{Center.X + Rad * std::cos(A), Center.Y + Rad * std::sin(A)};
  };
  Scratch.clear();
  for (int K = 0; K <= Steps; ++K) Scratch.push_back(At(Outer, K));
  if (SweepDeg >= 360) {
    // A whole ring: the outer circle and the inner one, even-odd.
    const std::uint32_t OuterEnd = static_cast<std::uint32_t>(Scratch.size());
    for (int K = 0; K <= Steps; ++K) Scratch.push_back(At(Inner, K));
    const std::uint32_t Ends[] = {OuterEnd, static_cast<std::uint32_t>(Scratch.size())};
    Rings(Scratch, Ends);
    return;
  }
  for (int K = Steps; K >= 0; --K) Scratch.push_back(At(Inner, K));
  Polygon(Scratch);
  Circle(At(Radius, 0), H);
  Circle(At(Radius, Steps), H);
}

}  // namespace quillon::check
