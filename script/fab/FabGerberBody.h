// SPDX-License-Identifier: MIT
#pragma once
// The body of one fab-profile Gerber file, written through the modal state of
// the format: the current aperture, interpolation mode, polarity and point
// (the header sets multi-quadrant mode once, before any region). A code is written only when the
// state changes (the interpolation mode also once in and once after every region), each modal code
// on a line of its own, and no draw of zero length is written.

#include <cstdint>

#include "script/fab/FabGerberSyntax.h"
#include "text/TextLines.h"

namespace quillon::fab {

class TFabGerberBody {
 public:
  explicit TFabGerberBody(TTextLines& Lines) : Out(Lines) {}

  // "D<n>*" when n is not the current aperture.
  void Select(std::int32_t DCode);
  void Move(TFabPoint To);
  // A straight draw from the current point; nothing when To is the current point.
  void Draw(TFabPoint To);
  // A counter-clockwise arc from the current point around Center. An arc that
  // ends where it starts is a full circle.
  void Arc(TFabPoint To, TFabPoint Center);
  void Flash(TFabPoint At);
  void BeginRegion();
  void EndRegion();
  // "%LPC*%" / "%LPD*%" when the polarity changes.
  void SetClear(bool Clear);

  // The largest magnitude of any coordinate or offset written so far, in
  // output units: what decides the integer digits of the format.
  std::int64_t Farthest() const { return FarthestUnits; }

 private:
  enum class TMode { Unset, Linear, CounterClockwise };
  void SetMode(TMode NewMode);
  void Operation(TFabPoint P, const char* Code);
  void Reach(std::int64_t Value);

  TTextLines& Out;
  std::int32_t Aperture = 0;
  TMode Mode = TMode::Unset;
  bool ClearPolarity = false;
  std::int64_t FarthestUnits = 0;
  TFabPoint Current;
};

}  // namespace quillon::fab
