// Concentric corner radii: the base path's turning direction at each vertex, and the radius
// that puts a row's arc on the centre of the base path's fillet there.
#include "multiline/corner_radii.h"

#include "multiline/presets.h"

namespace tq58 {

using MyFunc::Side;

std::vector<Side> BaseTurns(const BasePath& path) {
  const std::vector<PointD>& p = path.points;
  const std::size_t n = p.size();
  std::vector<Side> turns(n, Side::On);
  if (n < 3) return turns;
  for (std::size_t k = 1; k + 1 < n; ++k) turns[k] = MyFunc::SideOfLine({p[k - 1], p[k]}, p[k + 1]);
  if (path.closed) {
    // The closing corner: from the last segment, which ends at the first point, into the first.
    turns[0] = MyFunc::SideOfLine({p[n - 2], p[n - 1]}, p[1]);
    turns[n - 1] = turns[0];
  }
  return turns;
}

CornerRadii ConcentricCornerRadii(const std::vector<Side>& turns, double baseRadius,
                                  double spacing) {
  CornerRadii radii;
  radii.reserve(turns.size());
  for (const Side turn : turns) {
    if (turn == Side::On) {
      radii.push_back(baseRadius);
      continue;
    }
    // Where the path turns left, its centre lies on the left, closer to rows of positive
    // spacing by exactly that spacing; on a right turn the other way round. A row beyond the
    // centre has no arc: its corner stays sharp (the rule also makes NaN 0).
    const double towardsCentre = turn == Side::Left ? spacing : -spacing;
    radii.push_back(ApplyRadiusRule(baseRadius - towardsCentre));
  }
  return radii;
}

}  // namespace tq58
