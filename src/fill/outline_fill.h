// The area that a closed outline of segments and circular arcs encloses by the non-zero winding
// rule, as the host's solids.
#pragma once

#include <vector>

#include "fill/solids.h"
#include "geometry/curve.h"

namespace tq58 {

// The solids of the area the outline (one or more closed loops) winds round. Each arc, in
// parts of at most a quarter turn that stray from it by at most `deviation`, stands in the polygon
// as its chord where the area lies on its centre's side, with the segment between arc and chord as
// a solid of its own; as the two tangents at its ends where the area lies on its other side, with
// the area between arc and tangents as a solid. The polygon is then filled by slabs. A deviation
// below half the band's width keeps the straight stand-ins of the two sides of a band apart.
// No polygon is `narrowest` wide or less (the join tolerance: what is narrower is no drawn
// detail, but rounding).
Solids FillOutline(const std::vector<geometry::Curve>& outline, double deviation, double narrowest);

}  // namespace tq58
