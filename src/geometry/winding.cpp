// The winding number as the sum of the angles that the outline's curves sweep as seen from the
// point: a segment's from its ends; an arc's as its chord's, plus a full turn where the point
// lies between the arc and its chord.
#include "geometry/winding.h"

#include <cmath>
#include <numbers>

#include "geometry/vector2.h"
#include "util/portable_math.h"

namespace tq58::geometry {

namespace {

double ChordAngle(PointD a, PointD b, PointD p) {
  const PointD u = Minus(a, p), v = Minus(b, p);
  return util::PortableAtan2(Cross(u, v), Dot(u, v));
}

double SweptAngle(const Curve& c, PointD p) {
  double angle = ChordAngle(c.start, c.end, p);
  if (!c.arc || !(PointDistance(p, c.centre) < c.radius)) return angle;
  const PointD middle = c.At(c.Length() / 2.0);
  const PointD chord = Minus(c.end, c.start);
  const double side = Cross(chord, Minus(p, c.start));
  const double arcSide = Cross(chord, Minus(middle, c.start));
  // A full circle's chord has no length: all of its disc lies between the two.
  const bool full = std::fabs(c.sweep) >= 2.0 * std::numbers::pi;
  if (full || (side > 0.0) == (arcSide > 0.0))
    angle += std::copysign(2.0 * std::numbers::pi, c.sweep);
  return angle;
}

}  // namespace

int WindingNumber(const std::vector<Curve>& outline, PointD p) {
  double turned = 0.0;
  for (const Curve& c : outline) turned += SweptAngle(c, p);
  return static_cast<int>(std::lround(turned / (2.0 * std::numbers::pi)));
}

Where Locate(const std::vector<Curve>& outline, PointD p, double tolerance) {
  // Far from the outline as most points are, the winding number alone tells.
  if (WindingNumber(outline, p) == 0) return Where::Outside;
  for (const Curve& c : outline) {
    if (PointDistance(c.NearestPoint(p), p) <= tolerance) return Where::OnOutline;
  }
  return Where::Inside;
}

}  // namespace tq58::geometry
