// Vectors of the plane, held as points: sums, products, normals; and angles between directions.
#pragma once

#include "geometry/geometry.h"

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

// The counterclockwise angle from `from` to `angle` (radians), in [0, 2 pi).
double AngleAfter(double from, double angle);

}  // namespace tq58::geometry
