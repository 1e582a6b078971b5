// SPDX-License-Identifier: MIT
#pragma once
// Angles of counter-clockwise arcs, as the Gerber output draws every arc:
// from the start point about the centre to the end point, a full turn when
// the two points are the same.

#include "preview/PreviewGeometry.h"
#include "preview/Primitives.h"

namespace quillon::preview {

// Degrees of the direction from Center to P, in [0, 360).
double DirectionDeg(TPointMm Center, TPointMm P);

// Counter-clockwise sweep from StartDeg to EndDeg, in [0, 360).
double CounterClockwiseSweep(double StartDeg, double EndDeg);

// Whether the direction Deg lies on the arc that starts at StartDeg and
// sweeps SweepDeg counter-clockwise.
bool AngleOnArc(double Deg, double StartDeg, double SweepDeg);

TPointMm PointAtDeg(TPointMm Center, double Radius, double Deg);

// The box of the stroked arc: its end points, the extreme points of the
// circle that the sweep passes, and half the width around them.
TBoxMm ArcBounds(const TArc& A);

}  // namespace quillon::preview
