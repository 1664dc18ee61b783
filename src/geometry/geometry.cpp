// Plane geometry of lines, corners and fillet arcs: angles, distances, intersections, sides.
#include "geometry/geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include "geometry/tolerances.h"
#include "util/portable_math.h"

namespace tq58::geometry {

using util::PortableAtan2;
using util::PortableCos;
using util::PortableSin;

namespace {

using std::numbers::pi;

// The zero test of IntersectLines: d counts as zero when trunc(d / 1e-8 + 0.5) is 0, that is
// for -1.5e-8 < d < 0.5e-8 -- deliberately not symmetric about 0. Kept in double, so a huge
// or NaN quotient is never converted to an integer (NaN counts as non-zero).
bool IsIntersectionZero(double d) { return std::trunc(d / kIntersectionTolerance + 0.5) == 0.0; }

// Whether v lies between a and b, widened by the intersection margin on both sides.
bool WithinWidenedRange(double v, double a, double b) {
  return std::min(a, b) - kIntersectionTolerance <= v &&
         v <= std::max(a, b) + kIntersectionTolerance;
}

}  // namespace

void ExchangeReals(double& a, double& b) { std::swap(a, b); }

double RoundFine(double x) {
  // Half away from zero; trunc stays in double so that huge and NaN inputs are defined.
  const double m = std::trunc(std::fabs(x) / kFineRoundingStep + 0.5) * kFineRoundingStep;
  return x >= 0.0 ? m : -m;
}

double PointDistance(PointD a, PointD b) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  return std::sqrt(dx * dx + dy * dy);
}

PointD Midpoint(PointD a, PointD b) { return {(a.x + b.x) / 2.0, (a.y + b.y) / 2.0}; }

bool IsNullVector(double dx, double dy) {
  return std::fabs(dx) < kZeroVectorTolerance && std::fabs(dy) < kZeroVectorTolerance;
}

double DirectionAngle(double dx, double dy) {
  if (IsNullVector(dx, dy)) return 0.0;
  // Our own atan2, sin and cos: the C libraries of the two builds differ in the last bit.
  const double a = PortableAtan2(dy, dx);
  return a < 0.0 ? a + 2.0 * pi : a;
}

double DirectionAngle(const SegmentD& line) {
  return DirectionAngle(line.end.x - line.start.x, line.end.y - line.start.y);
}

double DirectionAngleDeg(double dx, double dy) {
  return RoundFine(DirectionAngle(dx, dy) * 180.0 / pi);
}

PointD PolarPoint(PointD centre, double radius, double angle) {
  return {centre.x + radius * PortableCos(angle), centre.y + radius * PortableSin(angle)};
}

double Radians(double degrees) { return degrees * pi / 180.0; }

PointD PointAtAngle(PointD centre, double radius, double degrees) {
  return PolarPoint(centre, radius, Radians(degrees));
}

double RotatedY(PointD p, PointD centre, double t) {
  return centre.y + PortableSin(t) * (p.x - centre.x) + PortableCos(t) * (p.y - centre.y);
}

bool SamePoint(PointD a, PointD b, double tolerance) {
  return std::fabs(b.x - a.x) <= tolerance && std::fabs(b.y - a.y) <= tolerance;
}

SegmentD ParallelLine(const SegmentD& line, double distance) {
  const double normal = DirectionAngle(line) + pi / 2.0;
  const PointD shift{distance * PortableCos(normal), distance * PortableSin(normal)};
  return {{line.start.x + shift.x, line.start.y + shift.y},
          {line.end.x + shift.x, line.end.y + shift.y}};
}

LineIntersection IntersectLines(const SegmentD& a, const SegmentD& b) {
  const auto [x1, y1] = a.start;
  const auto [x2, y2] = a.end;
  const auto [x3, y3] = b.start;
  const auto [x4, y4] = b.end;
  const bool aVertical = IsIntersectionZero(x1 - x2);
  const bool bVertical = IsIntersectionZero(x3 - x4);
  if (aVertical && bVertical) return {};

  // A divisor of exactly 0 always counts as zero, so no branch below divides by 0.
  PointD at;
  if (aVertical) {
    const double mB = (y4 - y3) / (x4 - x3);
    at = {x1, y3 + mB * (x1 - x3)};
  } else if (bVertical) {
    const double mA = (y2 - y1) / (x2 - x1);
    at = {x3, y1 + mA * (x3 - x1)};
  } else {
    const double mA = (y2 - y1) / (x2 - x1);
    const double bA = y1 - mA * x1;
    const double mB = (y4 - y3) / (x4 - x3);
    const double bB = y3 - mB * x3;
    if (IsIntersectionZero(mA - mB)) return {};
    at.x = (bB - bA) / (mA - mB);
    at.y = mA * at.x + bA;
  }
  const bool onA = WithinWidenedRange(at.x, x1, x2) && WithinWidenedRange(at.y, y1, y2);
  const bool onB = WithinWidenedRange(at.x, x3, x4) && WithinWidenedRange(at.y, y3, y4);
  return {onA && onB ? Intersection::WithinSegments : Intersection::OutsideSegments, at};
}

Side SideOfLine(const SegmentD& line, PointD p) {
  const double t = DirectionAngle(line);
  // The point turned by -t about the line's start: its height above the start is the signed
  // distance from the line, positive on the left.
  const double d = RotatedY(p, line.start, -t) - line.start.y;
  if (std::fabs(d) <= kSideTolerance) return Side::On;
  return d > 0.0 ? Side::Left : Side::Right;
}

std::optional<Fillet> FilletCorner(Side side1, Side side2, double r, const SegmentD& line1,
                                   const SegmentD& line2) {
  if (SamePoint(line1.start, line1.end) || SamePoint(line2.start, line2.end)) return std::nullopt;

  // Normal towards the centre: the right of a line only for Side::Right.
  const double t1 = DirectionAngle(line1);
  const double t2 = DirectionAngle(line2);
  const double a1 = side1 == Side::Right ? t1 - pi / 2.0 : t1 + pi / 2.0;
  const double a2 = side2 == Side::Right ? t2 - pi / 2.0 : t2 + pi / 2.0;
  const PointD m1{r * PortableCos(a1), r * PortableSin(a1)};
  const PointD m2{r * PortableCos(a2), r * PortableSin(a2)};

  // The centre lies on both lines moved by r towards it, wherever they meet.
  const auto moved = [](const SegmentD& line, PointD m) {
    return SegmentD{{line.start.x + m.x, line.start.y + m.y}, {line.end.x + m.x, line.end.y + m.y}};
  };
  const LineIntersection centre = IntersectLines(moved(line1, m1), moved(line2, m2));
  if (centre.kind == Intersection::Parallel) return std::nullopt;
  const PointD c = centre.point;
  return Fillet{c,
                {c.x + r * PortableCos(a1 + pi), c.y + r * PortableSin(a1 + pi)},
                {c.x + r * PortableCos(a2 + pi), c.y + r * PortableSin(a2 + pi)}};
}

}  // namespace tq58::geometry
