// Fillets between segments and arcs, through the meeting of their moved carriers.
#include "geometry/curve_fillet.h"

#include <cmath>
#include <numbers>

#include "geometry/circle_geometry.h"
#include "geometry/curve_meeting.h"
#include "geometry/tolerances.h"
#include "geometry/vector2.h"

namespace tq58::geometry {

std::optional<Fillet> FilletBetween(const Curve& a, PointD u, const Curve& b, PointD v,
                                    PointD corner, double radius) {
  const double turn = Cross(u, v);
  if (!(std::fabs(turn) > kParallelSine)) return std::nullopt;
  // The carrier moved by the radius to `side` of `dir` (1 its left, -1 its right).
  const auto moved = [&](const Curve& c, PointD dir, double side) -> std::optional<Curve> {
    if (!c.arc) {
      const PointD n{-dir.y * side * radius, dir.x * side * radius};
      return Curve::Segment(Plus(c.start, n, 1.0), Plus(c.end, n, 1.0));
    }
    const bool centreOnSide = Cross(dir, Minus(c.centre, corner)) * side > 0.0;
    const double r = centreOnSide ? c.radius - radius : c.radius + radius;
    if (!(r > 0.0)) return std::nullopt;
    return Curve::Arc(c.centre, r, 0.0, 2.0 * std::numbers::pi);
  };
  const double side = turn > 0.0 ? 1.0 : -1.0;
  const std::optional<Curve> ma = moved(a, u, side), mb = moved(b, v, -side);
  if (!ma || !mb) return std::nullopt;
  const std::optional<PointD> centre = CarriersMeetNearest(*ma, *mb, corner);
  if (!centre) return std::nullopt;
  const auto touching = [&](const Curve& c) {
    if (!c.arc) return c.At(c.Along(*centre));
    const PointD d = UnitVector(centre->x - c.centre.x, centre->y - c.centre.y);
    return Plus(c.centre, d, c.radius);
  };
  const Fillet f{*centre, touching(a), touching(b)};
  // Each tangent point on its own side of the corner.
  if (!(Dot(Minus(f.tangent1, corner), u) > 0.0) || !(Dot(Minus(f.tangent2, corner), v) > 0.0)) {
    return std::nullopt;
  }
  return f;
}

}  // namespace tq58::geometry
