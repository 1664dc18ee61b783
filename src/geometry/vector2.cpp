// Angles between directions.
#include "geometry/vector2.h"

#include <cmath>
#include <numbers>

namespace tq58::geometry {

double AngleAfter(double from, double angle) {
  constexpr double kTurn = 2.0 * std::numbers::pi;
  double d = std::fmod(angle - from, kTurn);
  if (d < 0.0) d += kTurn;
  return d;
}

}  // namespace tq58::geometry
