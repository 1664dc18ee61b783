// Where a point lies against a closed outline of segments and arcs: inside by the non-zero
// winding rule (clear of the outline itself), or not.
#pragma once

#include <vector>

#include "geometry/curve.h"

namespace tq58::geometry {

enum class Where { Outside, OnOutline, Inside };

// How many times `outline` (one or more closed loops, each curve in the direction of travel)
// winds counterclockwise round p.
int WindingNumber(const std::vector<Curve>& outline, PointD p);

// Where p lies against the outline: inside where the outline winds round it and it lies further
// than `tolerance` from every curve, on the outline where it winds round it but lies nearer.
Where Locate(const std::vector<Curve>& outline, PointD p, double tolerance);

}  // namespace tq58::geometry
