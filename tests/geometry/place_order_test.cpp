// Z-order against the interleaved bits of the square numbers, worked out by hand for a 4 x 4
// grid, and every index once whatever the points.
#include "geometry/place_order.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using tq58::geometry::PointD;
using tq58::geometry::ZOrder;

TEST(PlaceOrder, ZOrderRunsThroughEachQuarterBeforeTheNext) {
  // The points of a 4 x 4 grid, listed row by row from the top.
  std::vector<PointD> points;
  for (int y = 3; y >= 0; --y) {
    for (int x = 0; x < 4; ++x) points.push_back({10.0 * x, 10.0 * y});
  }
  // (x, y) in Z-order: 0,0 1,0 0,1 1,1 2,0 3,0 2,1 3,1 0,2 1,2 0,3 1,3 2,2 3,2 2,3 3,3.
  const std::vector<std::size_t> expected{12, 13, 8, 9, 14, 15, 10, 11, 4, 5, 0, 1, 6, 7, 2, 3};
  EXPECT_EQ(ZOrder(points), expected);
}

TEST(PlaceOrder, EveryIndexComesOnceTiesAndUndefinedPointsInTheOrderGiven) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const std::vector<PointD> points{{5, 5}, {nan, 1}, {0, 0}, {5, 5}, {0, 0}};
  EXPECT_EQ(ZOrder(points), (std::vector<std::size_t>{1, 2, 4, 0, 3}));
  EXPECT_TRUE(ZOrder({}).empty());
}

}  // namespace
