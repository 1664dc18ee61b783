// Angles between directions, and points on circles by angle, with the portable sine and cosine.
#include "geometry/vector2.h"

#include <cmath>
#include <numbers>

#include "util/portable_math.h"

namespace tq58::geometry {

using util::PortableCos;
using util::PortableSin;

double AngleAfter(double from, double angle) {
  constexpr double kTurn = 2.0 * std::numbers::pi;
  double d = std::fmod(angle - from, kTurn);
  if (d < 0.0) d += kTurn;
  return d;
}

PointD PolarPoint(PointD centre, double radius, double angle) {
  return {centre.x + radius * PortableCos(angle), centre.y + radius * PortableSin(angle)};
}

}  // namespace tq58::geometry
