// Plane geometry of lines, corners and fillet arcs. Coordinates: x right, y up; angles in
// radians counterclockwise from +x unless a name says "Deg". Lines run from start to end.
#pragma once

namespace MyFunc {

// Exchanges the two values.
void ExchangeReals(double& a, double& b);

// Rounds half away from zero to a multiple of 1e-10.
double RoundFine(double x);

// Euclidean distance of two points, never negative.
double PointDistance(double x1, double y1, double x2, double y2);

// Direction of the vector (dx, dy) in radians, 0 up to 2 pi; 0 for a null vector.
double DirectionAngle(double dx, double dy);

// Direction of the vector (dx, dy) in degrees, 0 to 360, rounded with RoundFine.
double DirectionAngleDeg(double dx, double dy);

// The y coordinate of (px, py) after turning it about (cx, cy) by t radians.
double RotatedY(double px, double py, double cx, double cy, double t);

// True when the points differ by at most 1e-8 in x and in y.
bool SamePoint(double x1, double y1, double x2, double y2);

// Result of IntersectLines; the values keep the meanings 0, 1 and 2.
enum class Intersection : int {
  Parallel = 0,         // no single intersection; X and Y are not written
  WithinSegments = 1,   // the intersection lies on both segments (1e-8 margin)
  OutsideSegments = 2,  // the lines meet outside at least one of the segments
};

// Intersection (x, y) of the infinite lines A (x1,y1)-(x2,y2) and B (x3,y3)-(x4,y4).
Intersection IntersectLines(double& x, double& y, double x1, double y1, double x2, double y2,
                            double x3, double y3, double x4, double y4);

// +1 when (px, py) lies left of the directed line, -1 right, 0 within 1e-8 of it.
int SideOfLine(double x1, double y1, double x2, double y2, double px, double py);

// The circle of radius r touching line 1 and line 2; side 0 puts the centre left of a line,
// any other value right. Outputs the centre and the tangent points on line 1 and line 2.
// False, with all outputs 0, for a line of no length or parallel moved lines.
bool FilletCorner(int side1, int side2, double r, double x1, double y1, double x2, double y2,
                  double x3, double y3, double x4, double y4, double& cx, double& cy, double& t1x,
                  double& t1y, double& t2x, double& t2y);

}  // namespace MyFunc
