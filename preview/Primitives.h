// SPDX-License-Identifier: MIT
#pragma once
// The drawing primitives a board turns into, in millimetres (Y up). Every item
// of the board becomes at most one primitive, which names its item, so a
// front end can give it an id or describe it. The SVG writer and the window
// are both sinks of the same primitives.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "pins/ApertureTable.h"
#include "preview/PreviewGeometry.h"

namespace quillon::preview {

// A line (two points) or a rectangle outline (four points, Closed), stroked
// with round caps and joins. Width 0 is a hairline: one device pixel wide.
struct TStroke {
  TItemRef Item;
  std::span<const TPointMm> Points;
  bool Closed = false;
  double Width = 0;
};

// A filled rectangle: the polygon of its four corners.
struct TFill {
  TItemRef Item;
  std::span<const TPointMm> Points;
};

// An arc drawn counter-clockwise from Start to End about Center. SweepDeg is
// in (0, 360]; 360 is a full circle (Start equal to End).
struct TArc {
  TItemRef Item;
  TPointMm Center, Start, End;
  double Radius = 0;
  double StartDeg = 0;
  double SweepDeg = 0;
  double Width = 0;  // 0: hairline
};

struct TCircleMm {
  TPointMm Center;
  double Radius = 0;
};

// A complex polygon: its outlines as closed rings (RingEnds[i] is one past the
// last point of ring i in Points) and its void circles, filled even-odd so
// that the inner outlines and the circles are cut out of the outer one.
struct TRegion {
  TItemRef Item;
  std::span<const TPointMm> Points;
  std::span<const std::uint32_t> RingEnds;
  std::span<const TCircleMm> Voids;
};

// A text: its box (font/TextExtent.h) and the strokes of its characters, as
// the fab files draw them (font/TextStrokes.h): polylines of round pen Width,
// polyline i ending before Points[StrokeEnds[i]].
struct TTextBox {
  TItemRef Item;
  TPointMm Anchor;
  std::array<TPointMm, 4> Corners;  // the box after mirror and rotation
  double Height = 0;                // character height
  std::string_view Text;            // 8-bit characters as read
  std::span<const TPointMm> Points;
  std::span<const std::uint32_t> StrokeEnds;
  double Width = 0;  // 0: hairline
};

// A flash whose pin has a description row: the pad of the row's shape and
// size (shapeNone: no pad) with the drilled hole at its centre.
struct TPad {
  TItemRef Item;
  TPointMm Center;
  std::uint8_t Shape = shapeNone;
  double Size = 0;          // pad diameter or side
  double Hole = 0;          // hole diameter
  std::int32_t RowPin = 0;  // PinNumber of the row (the flash's pin code - 1)
};

// How a pad is drawn: its shape filled with the hole cut out when the hole
// lies inside it; a hole with no pad around it (shape None, size 0, or a hole
// as large as the pad) as a ring whose outer edge is the hole's edge.
struct TPadLook {
  bool Pad = false;
  bool CutHole = false;
  bool HoleRing = false;
};
inline TPadLook PadLook(const TPad& P) {
  TPadLook Look;
  Look.Pad = P.Shape != shapeNone && P.Size > 0;
  Look.CutHole = Look.Pad && P.Hole > 0 && P.Hole < P.Size;
  Look.HoleRing = P.Hole > 0 && !Look.CutHole;
  return Look;
}
inline double HoleRingWidth(double Hole) { return Hole / 8; }
inline double HoleRingRadius(double Hole) { return (Hole - HoleRingWidth(Hole)) / 2; }

// A flash whose pin has no description row: a mark that cannot be mistaken
// for a pad.
struct TUndefinedPin {
  TItemRef Item;
  TPointMm Center;
  double MarkSize = 0;      // diameter of the mark
  std::int32_t RowPin = 0;  // the row that is missing
};

class TPrimitiveSink {
 public:
  virtual ~TPrimitiveSink() = default;
  virtual void Stroke(const TStroke& S) = 0;
  virtual void Fill(const TFill& F) = 0;
  virtual void Arc(const TArc& A) = 0;
  virtual void Region(const TRegion& R) = 0;
  virtual void TextBox(const TTextBox& T) = 0;
  virtual void Pad(const TPad& P) = 0;
  virtual void UndefinedPin(const TUndefinedPin& U) = 0;
};

}  // namespace quillon::preview
