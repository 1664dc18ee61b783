// A piece of a path as a curve to measure along: a straight segment or a circular arc, with the
// distance along it from its start as parameter. Angles in radians counterclockwise from +x.
#pragma once

#include "geometry/geometry.h"

namespace tq58::geometry {

struct Curve {
  bool arc = false;
  PointD start, end;  // where it starts and ends, kept as given so that ends do not drift
  PointD centre;      // an arc:
  double radius = 0.0;
  double from = 0.0;   // the angle of its start
  double sweep = 0.0;  // signed: positive counterclockwise; up to a full turn for a circle

  // The segment from a to b.
  static Curve Segment(PointD a, PointD b);
  // The arc from `from` over `sweep`, its ends at those angles.
  static Curve Arc(PointD centre, double radius, double from, double sweep);

  double Length() const;
  // The point at distance `s` along it, and the unit direction in which it runs there.
  PointD At(double s) const;
  PointD DirectionAt(double s) const;
  // How far along it the foot of `p` lies: on a segment the projection (below 0 before the
  // start, above the length past the end); on an arc the angle from the start (in its sense)
  // times the radius, an angle past the end counted on from the end or before the start,
  // whichever is nearer.
  double Along(PointD p) const;
  // The point of the piece nearest p.
  PointD NearestPoint(PointD p) const;
  // The same piece run from its end to its start.
  Curve Reversed() const;
  // The part from distance s0 to s1 (0 <= s0 <= s1 <= length); an end at 0 or at the length
  // stays exactly where it was.
  Curve Part(double s0, double s1) const;
};

// An axis-parallel box, as its least and greatest x and y.
struct Box {
  double minX = 0.0, minY = 0.0, maxX = 0.0, maxY = 0.0;
};

// The smallest box holding both.
Box Union(const Box& a, const Box& b);

// The box of a curve, grown by `margin`.
Box BoxOf(const Curve& curve, double margin);

}  // namespace tq58::geometry
