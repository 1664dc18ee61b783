// The tests' own model of where a point lies against an outline of segments and arcs, written
// plainly and apart from the program's: the winding number as the sum of the angles that the
// curves turn through as seen from the point.
#pragma once

#include <cmath>
#include <numbers>
#include <vector>

#include "geometry/curve.h"
#include "geometry/vector2.h"

namespace tq58_test {

// The turn a curve makes as seen from p, in radians: an arc adds a full turn to its chord's for
// points between the two.
inline double TurnSeen(tq58::geometry::PointD p, const tq58::geometry::Curve& c) {
  using namespace tq58::geometry;
  constexpr double kPi = std::numbers::pi;
  const PointD a = Minus(c.start, p), b = Minus(c.end, p);
  const double chord = std::atan2(Cross(a, b), Dot(a, b));
  if (!c.arc || PointDistance(p, c.centre) >= c.radius) return chord;
  const PointD along = Minus(c.end, c.start), mid = Minus(c.At(c.Length() / 2), c.start);
  const bool between = std::fabs(c.sweep) > 2 * kPi - 1e-9 ||
                       (Cross(along, Minus(p, c.start)) > 0) == (Cross(along, mid) > 0);
  return chord + (between ? std::copysign(2 * kPi, c.sweep) : 0.0);
}

// How many times the curves wind counterclockwise round p.
inline int WindingOf(const std::vector<tq58::geometry::Curve>& curves, tq58::geometry::PointD p) {
  double turn = 0;
  for (const tq58::geometry::Curve& c : curves) turn += TurnSeen(p, c);
  return static_cast<int>(std::lround(turn / (2 * std::numbers::pi)));
}

}  // namespace tq58_test
