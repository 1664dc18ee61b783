// Close points through cells `distance` wide: each point compared with those of its own cell
// and the eight around it.
#include "multiline/point_pairs.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>

namespace tq58 {

namespace {

// The cell of a coordinate, kept within a range whose keys cannot overflow (a NaN in cell 0).
std::int64_t CellOf(double v, double size) {
  const double cell = std::floor(v / size);
  if (!(cell == cell)) return 0;
  return static_cast<std::int64_t>(std::clamp(cell, -0x1p60, 0x1p60));
}

std::uint64_t KeyOf(std::int64_t x, std::int64_t y) {
  return static_cast<std::uint64_t>(x) * 2654435761u + static_cast<std::uint64_t>(y);
}

}  // namespace

std::vector<std::pair<std::size_t, std::size_t>> PointsWithin(
    const std::vector<MyFunc::PointD>& points, double distance) {
  std::unordered_map<std::uint64_t, std::vector<std::size_t>> cells;
  for (std::size_t i = 0; i < points.size(); ++i) {
    cells[KeyOf(CellOf(points[i].x, distance), CellOf(points[i].y, distance))].push_back(i);
  }
  std::vector<std::pair<std::size_t, std::size_t>> pairs;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const std::int64_t cx = CellOf(points[i].x, distance), cy = CellOf(points[i].y, distance);
    std::vector<std::size_t> close;
    for (std::int64_t dx = -1; dx <= 1; ++dx) {
      for (std::int64_t dy = -1; dy <= 1; ++dy) {
        const auto it = cells.find(KeyOf(cx + dx, cy + dy));
        if (it == cells.end()) continue;
        for (const std::size_t j : it->second) {
          if (j > i && MyFunc::PointDistance(points[i], points[j]) <= distance) close.push_back(j);
        }
      }
    }
    std::sort(close.begin(), close.end());
    for (const std::size_t j : close) pairs.push_back({i, j});
  }
  return pairs;
}

}  // namespace tq58
