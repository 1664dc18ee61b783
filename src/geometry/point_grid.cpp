// Cells of points and the close pairs found through them.
#include "geometry/point_grid.h"

#include <algorithm>
#include <cmath>

namespace tq58::geometry {

namespace {

// The cell of a coordinate, kept within a range whose neighbours cannot overflow (a NaN in
// cell 0).
std::int64_t CellOf(double v, double size) {
  const double cell = std::floor(v / size);
  if (!(cell == cell)) return 0;
  return static_cast<std::int64_t>(std::clamp(cell, -0x1p60, 0x1p60));
}

}  // namespace

PointGrid::PointGrid(const std::vector<PointD>& points, double size) {
  for (std::size_t i = 0; i < points.size(); ++i) {
    const Key key{CellOf(points[i].x, size), CellOf(points[i].y, size)};
    const auto [at, fresh] = index_.try_emplace(key, cells_.size());
    if (fresh) cells_.push_back({key.x, key.y, {}});
    cells_[at->second].members.push_back(i);
  }
}

std::vector<std::pair<std::size_t, std::size_t>> PointsWithin(const std::vector<PointD>& points,
                                                              double distance) {
  std::vector<std::pair<std::size_t, std::size_t>> pairs;
  PointGrid(points, distance).ForEachNearbyPair([&](std::size_t i, std::size_t j) {
    if (PointDistance(points[i], points[j]) <= distance) pairs.push_back({i, j});
  });
  std::sort(pairs.begin(), pairs.end());
  return pairs;
}

}  // namespace tq58::geometry
