// SPDX-License-Identifier: MIT
#include "preview/PrimitiveBounds.h"

#include <algorithm>

#include "preview/ArcGeometry.h"

namespace quillon::preview {

void TBoundsSink::Stroke(const TStroke& S) {
  for (const TPointMm& P : S.Points) Box.Add(P, S.Width / 2);
}

void TBoundsSink::Fill(const TFill& F) {
  for (const TPointMm& P : F.Points) Box.Add(P);
}

void TBoundsSink::Arc(const TArc& A) { Box.AddBox(ArcBounds(A)); }

void TBoundsSink::Region(const TRegion& R) {
  for (const TPointMm& P : R.Points) Box.Add(P);
  for (const TCircleMm& C : R.Voids) Box.Add(C.Center, C.Radius);
}

void TBoundsSink::TextBox(const TTextBox& T) {
  Box.Add(T.Anchor);
  // The strokes stay inside the box grown by half the pen.
  for (const TPointMm& P : T.Corners) Box.Add(P, T.StrokeEnds.empty() ? 0 : T.Width / 2);
}

void TBoundsSink::Pad(const TPad& P) {
  // A square of side s reaches s/2 from its centre along the axes, as a
  // circle of diameter s does.
  Box.Add(P.Center, std::max(P.Size, P.Hole) / 2);
}

void TBoundsSink::UndefinedPin(const TUndefinedPin& U) { Box.Add(U.Center, U.MarkSize / 2); }

}  // namespace quillon::preview
