// A piece of a path as a curve to measure along: a straight segment or a circular arc, with the
// distance along it from its start as parameter. Angles in radians counterclockwise from +x.
#pragma once

#include <optional>

#include "geometry/geometry.h"

namespace tq58::geometry {

struct Curve {
  bool arc = false;
  PointD start, end;  // where it starts and ends, kept as given so that ends do not drift
  PointD centre;      // an arc:
  double radius = 0.0;
  double from = 0.0;   // the angle of its start
  double sweep = 0.0;  // signed: positive counterclockwise; up to a full turn for a circle
  // An arc as the host is given it: counterclockwise from `start` to `end`, in degrees. A drawn
  // arc is made from these numbers, so that what is measured and cut is what the host draws,
  // and an end that does not move is written back as it was. None on a drawn circle, and on
  // curves that are only measured.
  struct Degrees {
    double start = 0.0, end = 0.0;

    bool operator==(const Degrees&) const = default;
  };
  std::optional<Degrees> degrees;

  bool operator==(const Curve&) const = default;

  // The segment from a to b.
  static Curve Segment(PointD a, PointD b);
  // The arc from `from` over `sweep`, its ends at those angles.
  static Curve Arc(PointD centre, double radius, double from, double sweep);
  // The arc counterclockwise from `startDeg` to `endDeg` (degrees), over SweepDeg of them.
  static Curve FromHost(PointD centre, double radius, double startDeg, double endDeg);
  // The whole circle, counterclockwise from angle 0.
  static Curve Circle(PointD centre, double radius);

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
  // The same piece run counterclockwise, if it is an arc.
  Curve Counterclockwise() const { return arc && sweep < 0.0 ? Reversed() : *this; }
  // The part from distance s0 to s1 (0 <= s0 <= s1 <= length); an end at 0 or at the length
  // stays exactly where it was. A part less than the whole has no degrees.
  Curve Part(double s0, double s1) const;
  // The part from s0 to s1 to draw, its ends at `a` and `b` where they are given: the whole where
  // that is all of it, so that its numbers stay as they were; an arc's end that did not move
  // keeps its degrees, one that did takes those of its direction from the centre, and the arc is
  // made from them (FromHost).
  Curve DrawnPart(double s0, double s1, const PointD* a, const PointD* b) const;
};

// The angle an arc from `startDeg` counterclockwise to `endDeg` turns through, in degrees:
// their difference brought into [0, 360) by whole turns, but a whole number of turns other than
// none is a full turn, 360. The same degrees make no arc.
double SweepDeg(double startDeg, double endDeg);

// An axis-parallel box, as its least and greatest x and y.
struct Box {
  double minX = 0.0, minY = 0.0, maxX = 0.0, maxY = 0.0;
};

// The smallest box holding both.
Box Union(const Box& a, const Box& b);

// The box of a curve, grown by `margin`.
Box BoxOf(const Curve& curve, double margin);

}  // namespace tq58::geometry
