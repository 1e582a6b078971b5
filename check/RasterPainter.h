// SPDX-License-Identifier: MIT
#pragma once
// Fills shapes into a raster, every pixel whose centre lies inside taken
// whole: the file reader draws without anti-aliasing, and so does this. A
// shape is painted dark or, for the cut-outs of a region, cleared.

#include <span>
#include <vector>

#include "check/Raster.h"

namespace quillon::check {

class TRasterPainter {
 public:
  TRasterPainter(TRaster& Target, const TWindow& View) : R(Target), W(View) {}

  // Where the reader draws a flash at P: on the pixel corner nearest to it.
  preview::TPointMm FlashCentre(preview::TPointMm P) const;

  // Value 255 paints, 0 clears.
  void SetValue(std::uint8_t V) { Value = V; }

  // Closed rings in millimetres, filled even-odd together.
  void Rings(std::span<const preview::TPointMm> Points, std::span<const std::uint32_t> RingEnds);
  void Polygon(std::span<const preview::TPointMm> Points);
  void Circle(preview::TPointMm Center, double Radius);
  void Square(preview::TPointMm Center, double Side);
  // A stroke of round caps from A to B, its ends on the reader's pixel grid,
  // at least a pixel wide; a dot when A is B.
  void Segment(preview::TPointMm A, preview::TPointMm B, double Width);
  // A counter-clockwise arc stroked with round caps, at least a pixel wide.
  void Arc(preview::TPointMm Center, double Radius, double StartDeg, double SweepDeg, double Width);

 private:
  void FillEdges();
  void ConvexPolygon(std::span<const preview::TPointMm> Points);
  void AddRing(std::span<const preview::TPointMm> Ring);
  int CircleSteps(double RadiusPx) const;
  preview::TPointMm OnReaderGrid(preview::TPointMm P, double Width) const;

  TRaster& R;
  TWindow W;
  std::uint8_t Value = 255;
  struct TEdge {
    double X0, Y0, X1, Y1;  // pixels, Y0 < Y1
  };
  std::vector<TEdge> Edges;
  std::vector<double> Crossings;
  std::vector<preview::TPointMm> Scratch;
};

}  // namespace quillon::check
