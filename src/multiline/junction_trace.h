// A piece of a drawn row or of a base path as a curve to measure along: a straight segment or
// a counterclockwise circular arc, with the distance along it from its start as parameter.
#pragma once

#include <vector>

#include "multiline/row_pieces.h"

namespace tq58 {

struct Trace {
  bool arc = false;
  PointD start, end;  // a segment's ends; an arc's, at its two angles
  PointD centre;      // an arc:
  double radius = 0.0;
  double from = 0.0;   // radians, where it starts counterclockwise
  double sweep = 0.0;  // radians, up to 2 pi for a circle

  double Length() const;
  // The point at distance `s` along it, and the unit direction in which it runs there.
  PointD At(double s) const;
  PointD DirectionAt(double s) const;
  // How far along it the foot of `p` lies: on a segment the projection (below 0 before the
  // start, above the length past the end); on an arc the angle from the start times the
  // radius, an angle past the end counted on from the end or before the start, whichever is
  // nearer.
  double Along(PointD p) const;
};

Trace SegmentTrace(PointD a, PointD b);
Trace ArcTrace(PointD centre, double radius, double fromRadians, double sweepRadians);
Trace TraceOf(const RowPiece& piece);

// The part of `trace` from distance s0 to s1 as a piece to write, with its ends at `a` and
// `b` where they are given: the piece itself where that is all of it, so that its numbers stay
// as they were.
RowPiece PieceOf(const RowPiece& whole, const Trace& trace, double s0, double s1, const PointD* a,
                 const PointD* b);

// Where two traces cross, as distances along the first and along the second, each within
// `margin` of its trace; every point of lines and circles that meet, arcs of the same circle
// never.
struct TraceCrossing {
  double s = 0.0;
  double t = 0.0;
  PointD point;
};
std::vector<TraceCrossing> CrossTraces(const Trace& a, const Trace& b, double margin);

// Where the full line or circle of `a` meets that of `b`, the point nearest `near`; none where
// they do not meet.
std::optional<PointD> CarriersMeetNearest(const Trace& a, const Trace& b, PointD near);

// The box of a trace, grown by `margin`.
struct Box {
  double minX = 0.0, minY = 0.0, maxX = 0.0, maxY = 0.0;
};
Box BoxOf(const Trace& trace, double margin);

// The counterclockwise angle from `from` to `angle` (radians), in [0, 2 pi).
double AngleAfter(double from, double angle);
// The point at `angle` (radians) on the circle of `radius` about `centre`.
PointD PolarPoint(PointD centre, double radius, double angle);

double Dot(PointD a, PointD b);
double Cross(PointD a, PointD b);
PointD Minus(PointD a, PointD b);
PointD Plus(PointD a, PointD b, double scale);  // a + scale * b

}  // namespace tq58
