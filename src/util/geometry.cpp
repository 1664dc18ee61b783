// Plane geometry of lines, corners and fillet arcs: angles, distances, intersections, sides.
#include "util/geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include "util/portable_math.h"
#include "util/tolerances.h"

namespace MyFunc {

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

double PointDistance(double x1, double y1, double x2, double y2) {
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  return std::sqrt(dx * dx + dy * dy);
}

double DirectionAngle(double dx, double dy) {
  if (std::fabs(dx) < kZeroVectorTolerance && std::fabs(dy) < kZeroVectorTolerance) {
    return 0.0;
  }
  // Our own atan2, sin and cos: the C libraries of the two builds differ in the last bit.
  const double a = PortableAtan2(dy, dx);
  return a < 0.0 ? a + 2.0 * pi : a;
}

double DirectionAngleDeg(double dx, double dy) {
  return RoundFine(DirectionAngle(dx, dy) * 180.0 / pi);
}

double RotatedY(double px, double py, double cx, double cy, double t) {
  return cy + PortableSin(t) * (px - cx) + PortableCos(t) * (py - cy);
}

bool SamePoint(double x1, double y1, double x2, double y2) {
  return std::fabs(x2 - x1) <= kPointEqualityTolerance &&
         std::fabs(y2 - y1) <= kPointEqualityTolerance;
}

Intersection IntersectLines(double& x, double& y, double x1, double y1, double x2, double y2,
                            double x3, double y3, double x4, double y4) {
  const bool aVertical = IsIntersectionZero(x1 - x2);
  const bool bVertical = IsIntersectionZero(x3 - x4);
  if (aVertical && bVertical) return Intersection::Parallel;

  // A divisor of exactly 0 always counts as zero, so no branch below divides by 0.
  double ix = 0.0;
  double iy = 0.0;
  if (aVertical) {
    const double mB = (y4 - y3) / (x4 - x3);
    ix = x1;
    iy = y3 + mB * (x1 - x3);
  } else if (bVertical) {
    const double mA = (y2 - y1) / (x2 - x1);
    ix = x3;
    iy = y1 + mA * (x3 - x1);
  } else {
    const double mA = (y2 - y1) / (x2 - x1);
    const double bA = y1 - mA * x1;
    const double mB = (y4 - y3) / (x4 - x3);
    const double bB = y3 - mB * x3;
    if (IsIntersectionZero(mA - mB)) return Intersection::Parallel;
    ix = (bB - bA) / (mA - mB);
    iy = mA * ix + bA;
  }
  x = ix;
  y = iy;
  const bool onA = WithinWidenedRange(ix, x1, x2) && WithinWidenedRange(iy, y1, y2);
  const bool onB = WithinWidenedRange(ix, x3, x4) && WithinWidenedRange(iy, y3, y4);
  return onA && onB ? Intersection::WithinSegments : Intersection::OutsideSegments;
}

int SideOfLine(double x1, double y1, double x2, double y2, double px, double py) {
  const double t = DirectionAngle(x2 - x1, y2 - y1);
  // The point turned by -t about the line's start: its height above the start is the signed
  // distance from the line, positive on the left.
  const double d = RotatedY(px, py, x1, y1, -t) - y1;
  if (std::fabs(d) <= kSideTolerance) return 0;
  return d > 0.0 ? 1 : -1;
}

bool FilletCorner(int side1, int side2, double r, double x1, double y1, double x2, double y2,
                  double x3, double y3, double x4, double y4, double& cx, double& cy, double& t1x,
                  double& t1y, double& t2x, double& t2y) {
  cx = cy = t1x = t1y = t2x = t2y = 0.0;
  if (SamePoint(x1, y1, x2, y2) || SamePoint(x3, y3, x4, y4)) return false;

  const double t1 = DirectionAngle(x2 - x1, y2 - y1);
  const double t2 = DirectionAngle(x4 - x3, y4 - y3);
  // Normal towards the centre: side 0 is the left of the line, any other value the right.
  const double a1 = side1 == 0 ? t1 + pi / 2.0 : t1 - pi / 2.0;
  const double a2 = side2 == 0 ? t2 + pi / 2.0 : t2 - pi / 2.0;
  const double m1x = r * PortableCos(a1);
  const double m1y = r * PortableSin(a1);
  const double m2x = r * PortableCos(a2);
  const double m2y = r * PortableSin(a2);

  // The centre lies on both lines moved by r towards it, wherever they meet.
  if (IntersectLines(cx, cy, x1 + m1x, y1 + m1y, x2 + m1x, y2 + m1y, x3 + m2x, y3 + m2y, x4 + m2x,
                     y4 + m2y) == Intersection::Parallel) {
    return false;
  }
  t1x = cx + r * PortableCos(a1 + pi);
  t1y = cy + r * PortableSin(a1 + pi);
  t2x = cx + r * PortableCos(a2 + pi);
  t2y = cy + r * PortableSin(a2 + pi);
  return true;
}

}  // namespace MyFunc
