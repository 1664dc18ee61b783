// The fillet of a corner where two curves meet: the circle of a radius that touches both.
#pragma once

#include <optional>

#include "geometry/curve.h"
#include "geometry/geometry.h"

namespace tq58::geometry {

// The circle of `radius` touching a and b inside the corner at `corner` between the unit
// directions u (into a) and v (into b): its centre where the carriers moved by the radius
// towards it meet nearest the corner (an arc's circle grown or shrunk), each tangent point on
// its own side of the corner. None where u and v are parallel (kParallelSine), where an arc's
// circle would shrink to nothing, or where a tangent point falls behind the corner.
std::optional<Fillet> FilletBetween(const Curve& a, PointD u, const Curve& b, PointD v,
                                    PointD corner, double radius);

}  // namespace tq58::geometry
