// Cells of points, and the groups of points joined through close pairs found through them.
#include "geometry/point_grid.h"

#include <algorithm>
#include <cmath>

#include "geometry/union_find.h"

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

std::vector<std::size_t> GroupsWithin(const std::vector<PointD>& points, double distance) {
  const auto near = [&](std::size_t i, std::size_t j) {
    return PointDistance(points[i], points[j]) <= distance;
  };
  UnionFind groups(points.size());
  const PointGrid grid(points, distance);
  // Each cell's points gathered round leaders, each joined to the first leader within
  // `distance` or leading a cluster itself: a cell holds a few clusters however many points lie
  // in it, and each cluster is already one group.
  std::vector<std::vector<std::vector<std::size_t>>> clusters(grid.CellCount());
  for (std::size_t c = 0; c < grid.CellCount(); ++c) {
    for (const std::size_t i : grid.Members(c)) {
      const auto led = std::find_if(clusters[c].begin(), clusters[c].end(),
                                    [&](const auto& cluster) { return near(cluster[0], i); });
      if (led == clusters[c].end()) {
        clusters[c].push_back({i});
      } else {
        led->push_back(i);
        groups.Join(led->front(), i);
      }
    }
  }
  // Two clusters are one group once any two of their points are close, so the search between
  // them stops at the first such pair, or at once where they are one group already.
  const auto joinClusters = [&](const std::vector<std::size_t>& a,
                                const std::vector<std::size_t>& b) {
    if (groups.Find(a[0]) == groups.Find(b[0])) return;
    for (const std::size_t i : a) {
      for (const std::size_t j : b) {
        if (!near(i, j)) continue;
        groups.Join(i, j);
        return;
      }
    }
  };
  for (std::size_t c = 0; c < grid.CellCount(); ++c) {
    const auto& own = clusters[c];
    for (std::size_t m = 0; m < own.size(); ++m) {
      for (std::size_t n = m + 1; n < own.size(); ++n) joinClusters(own[m], own[n]);
    }
    grid.ForEachNeighbour(c, [&](std::size_t other) {
      for (const auto& a : own) {
        for (const auto& b : clusters[other]) joinClusters(a, b);
      }
    });
  }
  std::vector<std::size_t> group(points.size());
  for (std::size_t i = 0; i < points.size(); ++i) group[i] = groups.Find(i);
  return group;
}

}  // namespace tq58::geometry
