// Groups of points joined through steps within a distance, against a flood fill over every two
// points: crowded cells, chains of steps across cells, repeated and undefined points.
#include "geometry/point_grid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "support/sequence.h"

namespace {

using tq58::geometry::PointD;

// The smallest index reached from each point by steps of at most `distance`.
std::vector<std::size_t> FloodFill(const std::vector<PointD>& points, double distance) {
  std::vector<std::size_t> group(points.size(), points.size());
  for (std::size_t first = 0; first < points.size(); ++first) {
    if (group[first] != points.size()) continue;
    std::vector<std::size_t> open{first};
    group[first] = first;
    while (!open.empty()) {
      const std::size_t i = open.back();
      open.pop_back();
      for (std::size_t j = 0; j < points.size(); ++j) {
        if (group[j] == points.size() &&
            std::hypot(points[j].x - points[i].x, points[j].y - points[i].y) <= distance) {
          group[j] = first;
          open.push_back(j);
        }
      }
    }
  }
  return group;
}

TEST(PointGrid, GroupsAreThePointsJoinedByStepsWithinTheDistance) {
  tq58_test::Sequence r(11);
  for (int trial = 0; trial < 200; ++trial) {
    // Crowds round a few centres, some spread wider than a step so that they split or chain.
    std::vector<PointD> points;
    const double distance = 1.0;
    for (int crowd = 0, n = 1 + static_cast<int>(r.Below(4)); crowd < n; ++crowd) {
      const PointD at{4.0 * r.Signed(), 4.0 * r.Signed()};
      const double spread = 3.0 * r.Unit();
      for (int k = 0, m = static_cast<int>(r.Below(60)); k < m; ++k) {
        points.push_back(r.Below(4) ? PointD{at.x + spread * r.Signed(), at.y + spread * r.Signed()}
                                    : at);
      }
    }
    if (r.Below(4) == 0) points.push_back({std::numeric_limits<double>::quiet_NaN(), 0.0});
    EXPECT_EQ(tq58::geometry::GroupsWithin(points, distance), FloodFill(points, distance));
  }
}

}  // namespace
