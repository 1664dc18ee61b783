#include "network/open_side.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>

#include "geometry/tolerances.h"
#include "geometry/vector2.h"
#include "util/portable_math.h"

namespace tq58 {

double FromOpposite(PointD a, PointD b) {
  return std::numbers::pi - util::PortableAtan2(std::fabs(Cross(a, b)), Dot(a, b));
}

std::optional<OpenSide> FindOpenSide(const std::vector<PointD>& arms) {
  if (arms.size() < 2) return std::nullopt;
  std::vector<double> angles;
  for (const PointD& a : arms) angles.push_back(geometry::DirectionAngle(a.x, a.y));
  std::vector<std::size_t> order(arms.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t x, std::size_t y) { return angles[x] < angles[y]; });
  // The widest gap counterclockwise from one arm to the next.
  std::size_t widest = 0;
  double widestGap = -1.0;
  for (std::size_t k = 0; k < order.size(); ++k) {
    const std::size_t next = order[(k + 1) % order.size()];
    double gap = angles[next] - angles[order[k]];
    if (k + 1 == order.size()) gap += 2.0 * std::numbers::pi;
    if (gap > widestGap) {
      widestGap = gap;
      widest = k;
    }
  }
  if (!(widestGap > std::numbers::pi)) return std::nullopt;
  OpenSide side{order[widest], order[(widest + 1) % order.size()], false};
  side.fold = !(FromOpposite(arms[side.first], arms[side.second]) < geometry::kFoldTurn);
  return side;
}

}  // namespace tq58
