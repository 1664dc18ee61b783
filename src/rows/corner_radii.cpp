// Concentric corner radii: the base path's turning direction at each vertex, and the radius
// that puts a row's arc on the centre of the base path's fillet there.
#include "rows/corner_radii.h"

#include <cmath>
#include <numbers>

#include "geometry/tolerances.h"
#include "geometry/vector2.h"
#include "presets/presets.h"
#include "util/portable_math.h"

namespace tq58 {

using geometry::Side;

namespace {

// One value per vertex of the base path from `ofCorner`(segment before, segment after), `none`
// at the two ends of an open path; on a closed path vertices 0 and n - 1 both hold the closing
// corner's, from the last segment (which ends at the first point) into the first.
template <typename Value, typename OfCorner>
std::vector<Value> PerCorner(const BasePath& path, Value none, OfCorner ofCorner) {
  const std::size_t n = path.points.size();
  std::vector<Value> values(n, none);
  if (n < 3) return values;
  for (std::size_t k = 1; k + 1 < n; ++k) values[k] = ofCorner(k - 1, k);
  if (path.closed) {
    values[0] = ofCorner(n - 2, 0);
    values[n - 1] = values[0];
  }
  return values;
}

// The points before, at and after the corner between segments `before` and `after`.
struct CornerPoints {
  PointD a, b, c;
};
CornerPoints PointsAt(const BasePath& path, std::size_t before, std::size_t after) {
  const std::vector<PointD>& p = path.points;
  return {p[before], p[before + 1], p[after + 1]};
}

}  // namespace

// From the turn phi of the two directions, with our own sine and cosine so that every build
// gets the same bits. A segment of no length has no direction, so the turn is not known there:
// no reach, and the corner's length test alone decides.
FilletReach ReachOfTurn(PointD in, PointD out) {
  using std::numbers::pi;
  if (geometry::IsNullVector(in.x, in.y) || geometry::IsNullVector(out.x, out.y)) return {};
  double turn = geometry::DirectionAngle(out.x, out.y) - geometry::DirectionAngle(in.x, in.y);
  if (turn > pi) turn -= 2.0 * pi;
  if (turn < -pi) turn += 2.0 * pi;
  const double half = std::fabs(turn) / 2.0;
  const double sine = util::PortableSin(half);
  const double cosine = util::PortableCos(half);
  return {sine / cosine, cosine / sine};
}

std::vector<Side> BaseTurns(const BasePath& path) {
  return PerCorner(path, Side::On, [&](std::size_t before, std::size_t after) {
    if (!PathArc(path, before) && !PathArc(path, after)) {
      const auto [a, b, c] = PointsAt(path, before, after);
      return geometry::SideOfLine({a, b}, c);
    }
    // At an arc, from the directions in which the path arrives and leaves: none where tangent.
    switch (geometry::TurnBetween(DirectionAtEnd(path, before), DirectionAtStart(path, after))) {
      case geometry::Turn::Left:
        return Side::Left;
      case geometry::Turn::Right:
        return Side::Right;
      default:
        return Side::On;
    }
  });
}

std::vector<FilletReach> FilletReaches(const BasePath& path) {
  return PerCorner(path, FilletReach{}, [&](std::size_t before, std::size_t after) {
    const auto [a, b, c] = PointsAt(path, before, after);
    return ReachOfTurn({b.x - a.x, b.y - a.y}, {c.x - b.x, c.y - b.y});
  });
}

double ConcentricRadius(double baseRadius, double towardsCentre) {
  return ApplyRadiusRule(baseRadius - towardsCentre);
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
    // spacing by exactly that spacing; on a right turn the other way round.
    radii.push_back(ConcentricRadius(baseRadius, turn == Side::Left ? spacing : -spacing));
  }
  return radii;
}

}  // namespace tq58
