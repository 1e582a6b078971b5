// SPDX-License-Identifier: MIT
#include "preview/HitTest.h"

#include <cmath>
#include <tuple>

#include "pins/ApertureTable.h"
#include "preview/ArcGeometry.h"

namespace quillon::preview {

namespace {

double Distance(TPointMm A, TPointMm B) { return std::hypot(A.X - B.X, A.Y - B.Y); }

double SegmentDistance(TPointMm P, TPointMm A, TPointMm B) {
  const double Dx = B.X - A.X, Dy = B.Y - A.Y;
  const double Len2 = Dx * Dx + Dy * Dy;
  if (Len2 == 0) return Distance(P, A);
  const double T = std::clamp(((P.X - A.X) * Dx + (P.Y - A.Y) * Dy) / Len2, 0.0, 1.0);
  return Distance(P, {A.X + T * Dx, A.Y + T * Dy});
}

// Distance to the edges of a ring (closed) or polyline.
double PathDistance(TPointMm P, std::span<const TPointMm> Points, bool Closed) {
  if (Points.empty()) return INFINITY;
  double D = Distance(P, Points[0]);
  for (std::size_t I = 1; I < Points.size(); ++I)
    D = std::min(D, SegmentDistance(P, Points[I - 1], Points[I]));
  if (Closed) D = std::min(D, SegmentDistance(P, Points.back(), Points.front()));
  return D;
}

// Even-odd crossings of a horizontal ray from P with a closed ring.
bool OddCrossings(TPointMm P, std::span<const TPointMm> Ring) {
  bool Inside = false;
  for (std::size_t I = 0, J = Ring.size() - 1; I < Ring.size(); J = I++) {
    const TPointMm A = Ring[I], B = Ring[J];
    if ((A.Y > P.Y) != (B.Y > P.Y) && P.X < (B.X - A.X) * (P.Y - A.Y) / (B.Y - A.Y) + A.X)
      Inside = !Inside;
  }
  return Inside;
}

}  // namespace

void THitSink::Stroke(const TStroke& S) {
  Hit = Hit || PathDistance(P, S.Points, S.Closed) <= S.Width / 2 + Tolerance;
}

void THitSink::Fill(const TFill& F) {
  Hit = Hit || (!F.Points.empty() && OddCrossings(P, F.Points)) ||
        PathDistance(P, F.Points, true) <= Tolerance;
}

void THitSink::Arc(const TArc& A) {
  const double Reach = A.Width / 2 + Tolerance;
  const bool OnCircle = std::fabs(Distance(P, A.Center) - A.Radius) <= Reach &&
                        AngleOnArc(DirectionDeg(A.Center, P), A.StartDeg, A.SweepDeg);
  Hit = Hit || OnCircle || Distance(P, A.Start) <= Reach || Distance(P, A.End) <= Reach;
}

void THitSink::Region(const TRegion& R) {
  bool Inside = false;
  double Edge = INFINITY;
  std::uint32_t Begin = 0;
  for (std::uint32_t End : R.RingEnds) {
    const auto Ring = R.Points.subspan(Begin, End - Begin);
    if (!Ring.empty() && OddCrossings(P, Ring)) Inside = !Inside;
    Edge = std::min(Edge, PathDistance(P, Ring, true));
    Begin = End;
  }
  for (const TCircleMm& C : R.Voids) {
    const double D = Distance(P, C.Center);
    if (D < C.Radius) Inside = !Inside;
    Edge = std::min(Edge, std::fabs(D - C.Radius));
  }
  Hit = Hit || Inside || Edge <= Tolerance;
}

void THitSink::TextBox(const TTextBox& T) {
  Hit = Hit || OddCrossings(P, T.Corners) || PathDistance(P, T.Corners, true) <= Tolerance ||
        Distance(P, T.Anchor) <= Tolerance;
}

void THitSink::Pad(const TPad& Pad) {
  const double Half = std::max(Pad.Shape == shapeNone ? 0.0 : Pad.Size, Pad.Hole) / 2 + Tolerance;
  if (Pad.Shape == shapeSquare && Pad.Size >= Pad.Hole)
    Hit = Hit || (std::fabs(P.X - Pad.Center.X) <= Half && std::fabs(P.Y - Pad.Center.Y) <= Half);
  else
    Hit = Hit || Distance(P, Pad.Center) <= Half;
}

void THitSink::UndefinedPin(const TUndefinedPin& U) {
  Hit = Hit || Distance(P, U.Center) <= U.MarkSize / 2 + Tolerance;
}

std::optional<TItemRef> HitTest(const TBoardIndex& Index, TBoardRenderer& Renderer, TPointMm P,
                                double Tolerance, const std::vector<bool>& Visible) {
  std::optional<TItemRef> Best;
  auto Order = [](const TItemRef& R) {
    return std::make_tuple(R.Layer, DrawRank(R.Kind), R.Index);
  };
  TBoxMm Around;
  Around.Add(P, Tolerance);
  for (int L = Index.LayerCount() - 1; L >= 0 && !Best; --L) {
    if (!Visible.empty() &&
        (static_cast<std::size_t>(L) >= Visible.size() || !Visible[static_cast<std::size_t>(L)]))
      continue;
    Index.Layer(L).Query(Around, [&](const TItemRef& Item, const TBoxF&) {
      if (Best && Order(Item) < Order(*Best)) return;
      THitSink Sink(P, Tolerance);
      Renderer.RenderItem(Item, Sink);
      if (Sink.Hit) Best = Item;
    });
  }
  return Best;
}

}  // namespace quillon::preview
