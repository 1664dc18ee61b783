// The area that closed loops of straight edges enclose by the non-zero winding rule, as
// triangles and convex quadrilaterals.
#pragma once

#include <vector>

#include "fill/solids.h"

namespace tq58 {

// One edge of a closed loop, in the loop's direction.
struct FillEdge {
  PointD from, to;
};

// The area where the loops that `edges` make up wind round a point a number of times other
// than zero, cut into horizontal slabs at every corner and crossing, each slab's inside parts
// trapezoids, and the trapezoids between the same two edges of slabs one above the other
// joined. Slabs are no thinner than `narrowest` (heights nearer than it are one), and parts no
// wider than it are left out.
std::vector<SolidPolygon> FillLoops(const std::vector<FillEdge>& edges, double narrowest);

}  // namespace tq58
