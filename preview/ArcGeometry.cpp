// SPDX-License-Identifier: MIT
#include "preview/ArcGeometry.h"

#include <cmath>
#include <numbers>

namespace quillon::preview {

namespace {
constexpr double DegPerRad = 180.0 / std::numbers::pi;

double Normalised(double Deg) {
  double R = std::fmod(Deg, 360.0);
  if (R < 0) R += 360.0;
  return R >= 360.0 ? 0.0 : R;
}
}  // namespace

double DirectionDeg(TPointMm Center, TPointMm P) {
  return Normalised(std::atan2(P.Y - Center.Y, P.X - Center.X) * DegPerRad);
}

double CounterClockwiseSweep(double StartDeg, double EndDeg) {
  return Normalised(EndDeg - StartDeg);
}

bool AngleOnArc(double Deg, double StartDeg, double SweepDeg) {
  if (SweepDeg >= 360.0) return true;
  return CounterClockwiseSweep(StartDeg, Deg) <= SweepDeg;
}

TPointMm PointAtDeg(TPointMm Center, double Radius, double Deg) {
  const double R = Deg / DegPerRad;
  return {Center.X + Radius * std::cos(R), Center.Y + Radius * std::sin(R)};
}

TBoxMm ArcBounds(const TArc& A) {
  TBoxMm Box;
  const double Half = A.Width / 2;
  Box.Add(A.Start, Half);
  Box.Add(A.End, Half);
  const TPointMm Extremes[4] = {{A.Center.X + A.Radius, A.Center.Y},
                                {A.Center.X, A.Center.Y + A.Radius},
                                {A.Center.X - A.Radius, A.Center.Y},
                                {A.Center.X, A.Center.Y - A.Radius}};
  for (int Quarter = 0; Quarter < 4; ++Quarter)
    if (AngleOnArc(90.0 * Quarter, A.StartDeg, A.SweepDeg)) Box.Add(Extremes[Quarter], Half);
  return Box;
}

}  // namespace quillon::preview
