// SPDX-License-Identifier: MIT
#pragma once
// Which item lies under a point: what the window describes when the mouse
// hovers over the board.

#include <optional>
#include <vector>

#include "preview/BoardRenderer.h"
#include "preview/SpatialIndex.h"

namespace quillon::preview {

// Whether P lies on what the primitive covers, or within Tolerance of it.
class THitSink final : public TPrimitiveSink {
 public:
  THitSink(TPointMm P, double Tolerance) : P(P), Tolerance(Tolerance) {}
  void Stroke(const TStroke& S) override;
  void Fill(const TFill& F) override;
  void Arc(const TArc& A) override;
  void Region(const TRegion& R) override;
  void TextBox(const TTextBox& T) override;
  void Pad(const TPad& Pad) override;
  void UndefinedPin(const TUndefinedPin& U) override;

  bool Hit = false;

 private:
  TPointMm P;
  double Tolerance;
};

// The topmost item under P among the layers marked visible (all when
// Visible is empty): the latest layer, then the latest drawn kind and item.
std::optional<TItemRef> HitTest(const TBoardIndex& Index, TBoardRenderer& Renderer, TPointMm P,
                                double Tolerance, const std::vector<bool>& Visible = {});

}  // namespace quillon::preview
