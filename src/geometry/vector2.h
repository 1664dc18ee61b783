// Vectors of the plane, held as points: sums, products, normals; and angles between directions.
#pragma once

#include <cmath>

#include "geometry/geometry.h"
#include "geometry/tolerances.h"

namespace tq58::geometry {

inline double Dot(PointD a, PointD b) { return a.x * b.x + a.y * b.y; }
// The z component of a x b: positive where b lies counterclockwise of a.
inline double Cross(PointD a, PointD b) { return a.x * b.y - a.y * b.x; }
inline PointD Minus(PointD a, PointD b) { return {a.x - b.x, a.y - b.y}; }
// a + scale * b.
inline PointD Plus(PointD a, PointD b, double scale) {
  return {a.x + scale * b.x, a.y + scale * b.y};
}
inline PointD Negated(PointD v) { return {-v.x, -v.y}; }
// v turned by +90 degrees.
inline PointD LeftNormal(PointD v) { return {-v.y, v.x}; }

// How a path turns where a piece leaving in unit direction `out` follows one arriving in unit
// direction `in`: straight on, or straight back, where the sine of the turn is at most
// kTangentJoinTolerance (a join the host's digits cannot tell from a tangent one); else left
// (counterclockwise) or right. The one test of whether two pieces make a corner.
enum class Turn { Straight, Back, Left, Right };
inline Turn TurnBetween(PointD in, PointD out) {
  const double sine = Cross(in, out);
  if (std::fabs(sine) <= kTangentJoinTolerance)
    return Dot(in, out) > 0.0 ? Turn::Straight : Turn::Back;
  return sine > 0.0 ? Turn::Left : Turn::Right;
}

// The counterclockwise angle from `from` to `angle` (radians), in [0, 2 pi).
double AngleAfter(double from, double angle);

}  // namespace tq58::geometry
