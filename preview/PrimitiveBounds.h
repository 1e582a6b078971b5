// SPDX-License-Identifier: MIT
#pragma once
// The area a primitive covers, for culling, fitting and the SVG view box.

#include "preview/Primitives.h"

namespace quillon::preview {

// Grows Box by every primitive it receives.
class TBoundsSink final : public TPrimitiveSink {
 public:
  void Stroke(const TStroke& S) override;
  void Fill(const TFill& F) override;
  void Arc(const TArc& A) override;
  void Region(const TRegion& R) override;
  void TextBox(const TTextBox& T) override;
  void Pad(const TPad& P) override;
  void UndefinedPin(const TUndefinedPin& U) override;

  TBoxMm Box;
};

}  // namespace quillon::preview
