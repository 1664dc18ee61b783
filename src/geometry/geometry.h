// Plane geometry of lines, corners and fillet arcs, on points and lines as values. Coordinates:
// x right, y up, drawing units; angles in radians counterclockwise from +x unless a name says
// "Deg". A line runs from its start to its end; its left is reached by turning that direction
// by +90 degrees.
#pragma once

#include <optional>

#include "geometry/tolerances.h"

namespace tq58::geometry {

// A point, or a vector.
struct PointD {
  double x = 0.0;
  double y = 0.0;

  bool operator==(const PointD&) const = default;
};

// A directed line through `start` and `end`; as a segment, the part between them.
struct SegmentD {
  PointD start;
  PointD end;

  bool operator==(const SegmentD&) const = default;
};

// Where a point lies relative to a directed line.
enum class Side : int {
  Right = -1,
  On = 0,  // within 1e-8 of the line
  Left = 1,
};

// Exchanges the two values.
void ExchangeReals(double& a, double& b);

// Rounds half away from zero to a multiple of 1e-10.
double RoundFine(double x);

// Euclidean distance of two points, never negative.
double PointDistance(PointD a, PointD b);

// The point halfway between a and b.
PointD Midpoint(PointD a, PointD b);

// Whether (dx, dy) is a null vector: both components below 1e-10 in magnitude.
bool IsNullVector(double dx, double dy);

// Direction of the vector (dx, dy) in radians, 0 up to 2 pi; 0 for a null vector.
double DirectionAngle(double dx, double dy);
// Direction of the line from its start to its end, as above.
double DirectionAngle(const SegmentD& line);

// Direction of the vector (dx, dy) in degrees, 0 to 360, rounded with RoundFine: the one way
// a point's angle about a centre becomes the host's degrees.
double DirectionAngleDeg(double dx, double dy);

// The host's degrees in radians, degrees × π / 180, as the points and directions along an arc
// are found from its degrees. (A drawn arc's own angles are its degrees ÷ (180 / π), which
// differs in the last bit: see Curve::FromHost.)
double Radians(double degrees);

// The point at `angle` (radians, counterclockwise from +x) on the circle of `radius` about
// `centre`; PointAtAngle takes the angle in degrees.
PointD PolarPoint(PointD centre, double radius, double angle);
PointD PointAtAngle(PointD centre, double radius, double degrees);

// The y coordinate of p after turning it about `centre` by t radians.
double RotatedY(PointD p, PointD centre, double t);

// True when the points differ by at most `tolerance` in x and in y.
bool SamePoint(PointD a, PointD b, double tolerance = kPointEqualityTolerance);

// The line moved by `distance` along its left normal: to its left for a positive distance, to
// its right for a negative one.
SegmentD ParallelLine(const SegmentD& line, double distance);

// How two lines meet; the values keep the meanings 0, 1 and 2.
enum class Intersection : int {
  Parallel = 0,         // no single intersection
  WithinSegments = 1,   // the intersection lies on both segments (1e-8 margin)
  OutsideSegments = 2,  // the lines meet outside at least one of the segments
};

struct LineIntersection {
  Intersection kind = Intersection::Parallel;
  PointD point;  // where the lines meet; (0, 0) when they are parallel
};

// Intersection of the infinite lines a and b. The row builder's own arithmetic for the corners
// of two segments, kept as it is because the rows' written numbers come from it; the network
// meets curves through geometry/curve_meeting.
LineIntersection IntersectLines(const SegmentD& a, const SegmentD& b);

// The side of the line on which p lies; On within 1e-8 of it.
Side SideOfLine(const SegmentD& line, PointD p);

// A circle of some radius touching two lines.
struct Fillet {
  PointD centre;
  PointD tangent1;  // where it touches line 1: the foot of the perpendicular from the centre
  PointD tangent2;  // where it touches line 2
};

// The circle of radius r touching line 1 and line 2, its centre on `side1` of line 1 and on
// `side2` of line 2 (Right the right, Left or On the left), wherever the lines moved by r
// towards it meet. Nothing for a line whose ends differ by at most 1e-8 in x and in y, or
// when the moved lines are parallel. With r = 0 it is the intersection of the lines. Like
// IntersectLines, the row builder's own arithmetic for a corner of two segments; curves are
// rounded by geometry::FilletBetween.
std::optional<Fillet> FilletCorner(Side side1, Side side2, double r, const SegmentD& line1,
                                   const SegmentD& line2);

}  // namespace tq58::geometry
