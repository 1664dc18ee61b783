// The pairs of points that lie close together, found through a hash of cells, not by comparing
// every two.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "util/geometry.h"

namespace tq58 {

// Every two of `points` within `distance` of each other, each pair once, the smaller index
// first, in the order of the first point then the second.
std::vector<std::pair<std::size_t, std::size_t>> PointsWithin(
    const std::vector<MyFunc::PointD>& points, double distance);

}  // namespace tq58
