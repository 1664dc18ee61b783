// Segments and arcs measured along their length. An arc's angles run in the sense of its sweep,
// so that a clockwise arc is measured from its start like a counterclockwise one.
#include "geometry/curve.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "geometry/circle_geometry.h"
#include "geometry/vector2.h"
#include "util/portable_math.h"

namespace tq58::geometry {

using util::PortableCos;
using util::PortableSin;

namespace {

using std::numbers::pi;

bool Clockwise(const Curve& c) { return c.sweep < 0.0; }

// The angle of p about the centre, counted from the start in the arc's sense, in [0, 2 pi).
double AngleFromStart(const Curve& c, PointD p) {
  const double angle = DirectionAngle(p.x - c.centre.x, p.y - c.centre.y);
  return Clockwise(c) ? AngleAfter(angle, c.from) : AngleAfter(c.from, angle);
}

}  // namespace

Curve Curve::Segment(PointD a, PointD b) {
  Curve c;
  c.start = a;
  c.end = b;
  return c;
}

Curve Curve::Arc(PointD centre, double radius, double from, double sweep) {
  Curve c;
  c.arc = true;
  c.centre = centre;
  c.radius = radius;
  c.from = from;
  c.sweep = sweep;
  c.start = PolarPoint(centre, radius, from);
  c.end = PolarPoint(centre, radius, from + sweep);
  return c;
}

Curve Curve::FromHost(PointD centre, double radius, double startDeg, double endDeg) {
  // Divided by 180 / π rather than Radians(): every drawn arc's cuts, fills and written numbers
  // have come from this arithmetic, and the two differ in the last bit.
  constexpr double kDegrees = 180.0 / pi;
  Curve c = Arc(centre, radius, startDeg / kDegrees, SweepDeg(startDeg, endDeg) / kDegrees);
  c.degrees = Degrees{startDeg, endDeg};
  return c;
}

Curve Curve::Circle(PointD centre, double radius) { return Arc(centre, radius, 0.0, 2.0 * pi); }

double SweepDeg(double startDeg, double endDeg) {
  // fmod is exact, so every build gives the same sweep.
  const double difference = endDeg - startDeg;
  double sweep = std::fmod(difference, 360.0);
  if (sweep < 0.0) sweep += 360.0;
  return sweep == 0.0 && difference != 0.0 ? 360.0 : sweep;
}

double Curve::Length() const { return arc ? radius * std::fabs(sweep) : PointDistance(start, end); }

PointD Curve::At(double s) const {
  if (arc) return PolarPoint(centre, radius, from + (Clockwise(*this) ? -s : s) / radius);
  return Plus(start, UnitVector(end.x - start.x, end.y - start.y), s);
}

PointD Curve::DirectionAt(double s) const {
  if (!arc) return UnitVector(end.x - start.x, end.y - start.y);
  const double angle = from + (Clockwise(*this) ? -s : s) / radius;
  const PointD ccw{-PortableSin(angle), PortableCos(angle)};
  return Clockwise(*this) ? Negated(ccw) : ccw;
}

double Curve::Along(PointD p) const {
  if (!arc) return Dot(Minus(p, start), UnitVector(end.x - start.x, end.y - start.y));
  const double after = AngleFromStart(*this, p), span = std::fabs(sweep);
  if (after <= span) return after * radius;
  // Beyond the end: nearer the end, or nearer the start (counted back from it).
  return (after - span <= 2.0 * pi - after ? after : after - 2.0 * pi) * radius;
}

PointD Curve::NearestPoint(PointD p) const { return At(std::clamp(Along(p), 0.0, Length())); }

Curve Curve::Reversed() const {
  Curve r = *this;
  std::swap(r.start, r.end);
  if (arc) {
    r.from = from + sweep;
    r.sweep = -sweep;
  }
  return r;
}

Curve Curve::Part(double s0, double s1) const {
  const double length = Length();
  Curve part = *this;
  if (s0 > 0.0) part.start = At(s0);
  if (s1 < length) part.end = At(s1);
  if (s0 > 0.0 || s1 < length) part.degrees.reset();
  if (arc) {
    part.from = from + (Clockwise(*this) ? -s0 : s0) / radius;
    part.sweep = (Clockwise(*this) ? -(s1 - s0) : s1 - s0) / radius;
  }
  return part;
}

Curve Curve::DrawnPart(double s0, double s1, const PointD* a, const PointD* b) const {
  const bool fromStart = s0 <= 0.0 && a == nullptr;
  const bool toEnd = s1 >= Length() && b == nullptr;
  if (fromStart && toEnd) return *this;
  const PointD p = a != nullptr ? *a : At(s0);
  const PointD q = b != nullptr ? *b : At(s1);
  if (!arc) return Segment(fromStart ? start : p, toEnd ? end : q);
  const auto degreesOf = [&](PointD x) {
    return DirectionAngleDeg(x.x - centre.x, x.y - centre.y);
  };
  const double startDeg = fromStart && degrees ? degrees->start : degreesOf(p);
  const double endDeg = toEnd && degrees ? degrees->end : degreesOf(q);
  return FromHost(centre, radius, startDeg, endDeg);
}

Box Union(const Box& a, const Box& b) {
  return {std::min(a.minX, b.minX), std::min(a.minY, b.minY), std::max(a.maxX, b.maxX),
          std::max(a.maxY, b.maxY)};
}

Box BoxOf(const Curve& curve, double margin) {
  Box box{std::min(curve.start.x, curve.end.x), std::min(curve.start.y, curve.end.y),
          std::max(curve.start.x, curve.end.x), std::max(curve.start.y, curve.end.y)};
  if (curve.arc) {
    // Each axis direction the arc passes through widens the box to the circle there.
    const double low = Clockwise(curve) ? curve.from + curve.sweep : curve.from;
    for (int quarter = 0; quarter < 4; ++quarter) {
      const double angle = quarter * pi / 2.0;
      if (AngleAfter(low, angle) > std::fabs(curve.sweep)) continue;
      const PointD p = PolarPoint(curve.centre, curve.radius, angle);
      box = {std::min(box.minX, p.x), std::min(box.minY, p.y), std::max(box.maxX, p.x),
             std::max(box.maxY, p.y)};
    }
  }
  return {box.minX - margin, box.minY - margin, box.maxX + margin, box.maxY + margin};
}

}  // namespace tq58::geometry
