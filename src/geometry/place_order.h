// An order of points that mostly keeps near points near each other (the Z-order of a grid over
// them), so that work done point by point in it finds what it read for the points before still
// in the processor's caches.
#pragma once

#include <cstddef>
#include <vector>

#include "geometry/geometry.h"

namespace tq58::geometry {

// The indices of `points` in Z-order; ties, and points not finite, in the order given.
std::vector<std::size_t> ZOrder(const std::vector<PointD>& points);

}  // namespace tq58::geometry
