// SPDX-License-Identifier: MIT
#pragma once

#include "model/Pcb.h"

namespace quillon {

// A complex polygon is drawn only if its first outline has segments: that
// outline bounds the copper, the further outlines and the circles are holes
// in it. Without it there is nothing for the holes to cut into, and writing
// them with clear polarity would erase copper drawn before on the layer.
inline bool HasOuterBoundary(const TPcbComplexPolygon& Polygon) {
  return !Polygon.OutLines.Empty() && !Polygon.OutLines.Items(0).Lines.Empty();
}

}  // namespace quillon
