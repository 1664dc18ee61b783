// Which directions leaving one point run through it together: pairs nearest opposite.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "geometry/geometry.h"

namespace tq58 {

using geometry::PointD;

// The through pairs among directions leaving one point, in order: pairs within
// kThroughPairAngle of opposite, taken closest first, each direction in one pair at most; a
// direction with two partners as close within kThroughPairTieRadians pairs with none.
std::vector<std::pair<std::size_t, std::size_t>> ThroughPairs(const std::vector<PointD>& arms);

}  // namespace tq58
