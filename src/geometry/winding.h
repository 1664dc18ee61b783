// Where a point lies against a closed outline of segments and arcs: inside by the non-zero
// winding rule, outside, or on the outline itself.
#pragma once

#include <vector>

#include "geometry/curve.h"

namespace tq58::geometry {

enum class Where { Outside, OnOutline, Inside };

// `outline` runs round one or more closed loops, each curve in the direction of travel; a point
// within `tolerance` of a curve is on the outline.
Where Locate(const std::vector<Curve>& outline, PointD p, double tolerance);

}  // namespace tq58::geometry
