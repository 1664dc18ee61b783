// Z-order: the bits of a point's two square numbers interleaved, on a grid 2^16 squares across.
#include "geometry/place_order.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numeric>

namespace tq58::geometry {

namespace {

// The 16 bits of v spread to the even bits.
std::uint32_t Spread(std::uint32_t v) {
  v = (v | (v << 8)) & 0x00FF00FFu;
  v = (v | (v << 4)) & 0x0F0F0F0Fu;
  v = (v | (v << 2)) & 0x33333333u;
  return (v | (v << 1)) & 0x55555555u;
}

bool Finite(PointD p) { return std::isfinite(p.x) && std::isfinite(p.y); }

}  // namespace

std::vector<std::size_t> ZOrder(const std::vector<PointD>& points) {
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  double minX = kInfinity, minY = kInfinity, maxX = -kInfinity, maxY = -kInfinity;
  for (const PointD& p : points) {
    if (!Finite(p)) continue;
    minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
    minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
  }
  const double across = std::max(maxX - minX, maxY - minY);
  const auto square = [&](double v, double low) {
    const double at = across > 0.0 ? (v - low) / across * 65535.0 : 0.0;
    return static_cast<std::uint32_t>(std::clamp(at, 0.0, 65535.0));
  };
  std::vector<std::uint32_t> keys(points.size(), 0);
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (Finite(points[i])) {
      keys[i] = Spread(square(points[i].x, minX)) | (Spread(square(points[i].y, minY)) << 1);
    }
  }
  std::vector<std::size_t> order(points.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
  return order;
}

}  // namespace tq58::geometry
