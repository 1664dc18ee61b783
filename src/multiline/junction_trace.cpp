// Segments and counterclockwise arcs measured along their length, and where they cross.
#include "multiline/junction_trace.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "util/circle_geometry.h"
#include "util/geometry.h"
#include "util/overloaded.h"
#include "util/portable_math.h"
#include "util/tolerances.h"

namespace tq58 {

namespace {

using std::numbers::pi;

constexpr double kDegrees = 180.0 / pi;

double AngleOf(PointD centre, PointD p) {
  return MyFunc::DirectionAngle(p.x - centre.x, p.y - centre.y);
}

// Up to two points where the carriers of a and b meet.
MyFunc::CurveMeeting MeetCarriers(const Trace& a, const Trace& b) {
  if (a.arc && b.arc) {
    return MyFunc::IntersectCircles({a.centre, a.radius}, {b.centre, b.radius});
  }
  if (a.arc || b.arc) {
    const Trace& line = a.arc ? b : a;
    const Trace& circle = a.arc ? a : b;
    return MyFunc::IntersectLineCircle({line.start, line.end}, {circle.centre, circle.radius});
  }
  // About a's start, multiplying before dividing, so that meetings at round numbers come out
  // exact.
  const PointD d = Minus(a.end, a.start), e = Minus(b.end, b.start);
  const double denominator = Cross(d, e);
  if (!(std::fabs(denominator) > MyFunc::kParallelSine * std::sqrt(Dot(d, d) * Dot(e, e)))) {
    return {};
  }
  const double c = Cross(Minus(b.start, a.start), Minus(b.end, a.start));
  const PointD p{a.start.x + d.x * c / denominator, a.start.y + d.y * c / denominator};
  return {{p, p}, 1};
}

}  // namespace

double AngleAfter(double from, double angle) {
  double d = std::fmod(angle - from, 2.0 * pi);
  if (d < 0.0) d += 2.0 * pi;
  return d;
}

PointD PolarPoint(PointD centre, double radius, double angle) {
  return {centre.x + radius * MyFunc::PortableCos(angle),
          centre.y + radius * MyFunc::PortableSin(angle)};
}

double Dot(PointD a, PointD b) { return a.x * b.x + a.y * b.y; }
double Cross(PointD a, PointD b) { return a.x * b.y - a.y * b.x; }
PointD Minus(PointD a, PointD b) { return {a.x - b.x, a.y - b.y}; }
PointD Plus(PointD a, PointD b, double scale) { return {a.x + scale * b.x, a.y + scale * b.y}; }

double Trace::Length() const { return arc ? radius * sweep : MyFunc::PointDistance(start, end); }

PointD Trace::At(double s) const {
  if (arc) return PolarPoint(centre, radius, from + s / radius);
  const PointD d = MyFunc::UnitVector(end.x - start.x, end.y - start.y);
  return Plus(start, d, s);
}

PointD Trace::DirectionAt(double s) const {
  if (!arc) return MyFunc::UnitVector(end.x - start.x, end.y - start.y);
  const double angle = from + s / radius;
  return {-MyFunc::PortableSin(angle), MyFunc::PortableCos(angle)};
}

double Trace::Along(PointD p) const {
  if (!arc) {
    const PointD d = MyFunc::UnitVector(end.x - start.x, end.y - start.y);
    return Dot(Minus(p, start), d);
  }
  const double after = AngleAfter(from, AngleOf(centre, p));
  if (after <= sweep) return after * radius;
  // Beyond the end: nearer the end, or nearer the start (counted back from it).
  return (after - sweep <= 2.0 * pi - after ? after : after - 2.0 * pi) * radius;
}

Trace SegmentTrace(PointD a, PointD b) {
  Trace t;
  t.start = a;
  t.end = b;
  return t;
}

Trace ArcTrace(PointD centre, double radius, double fromRadians, double sweepRadians) {
  Trace t;
  t.arc = true;
  t.centre = centre;
  t.radius = radius;
  t.from = fromRadians;
  t.sweep = sweepRadians;
  t.start = PolarPoint(centre, radius, fromRadians);
  t.end = PolarPoint(centre, radius, fromRadians + sweepRadians);
  return t;
}

Trace TraceOf(const RowPiece& piece) {
  return std::visit(
      MyFunc::Overloaded{
          [](const SegmentD& s) { return SegmentTrace(s.start, s.end); },
          [](const ArcPiece& a) {
            double sweep = std::fmod(a.endDeg - a.startDeg, 360.0);
            if (sweep <= 0.0) sweep += 360.0;
            return ArcTrace(a.centre, a.radius, a.startDeg / kDegrees, sweep / kDegrees);
          },
          [](const CirclePiece& c) { return ArcTrace(c.centre, c.radius, 0.0, 2.0 * pi); }},
      piece);
}

RowPiece PieceOf(const RowPiece& whole, const Trace& trace, double s0, double s1, const PointD* a,
                 const PointD* b) {
  const bool fromStart = s0 <= 0.0 && a == nullptr;
  const bool toEnd = s1 >= trace.Length() && b == nullptr;
  if (fromStart && toEnd) return whole;
  const PointD p = a != nullptr ? *a : trace.At(s0);
  const PointD q = b != nullptr ? *b : trace.At(s1);
  if (!trace.arc) return SegmentD{fromStart ? trace.start : p, toEnd ? trace.end : q};
  const auto degrees = [&](PointD x) {
    return MyFunc::DirectionAngleDeg(x.x - trace.centre.x, x.y - trace.centre.y);
  };
  const ArcPiece* arc = std::get_if<ArcPiece>(&whole);
  const double startDeg = fromStart && arc != nullptr ? arc->startDeg : degrees(p);
  const double endDeg = toEnd && arc != nullptr ? arc->endDeg : degrees(q);
  return ArcPiece{trace.centre, trace.radius, startDeg, endDeg};
}

std::vector<TraceCrossing> CrossTraces(const Trace& a, const Trace& b, double margin) {
  std::vector<TraceCrossing> crossings;
  if (a.arc && b.arc && a.centre == b.centre) return crossings;
  const MyFunc::CurveMeeting meeting = MeetCarriers(a, b);
  for (std::size_t k = 0; k < meeting.count; ++k) {
    if (k == 1 && meeting.points[1] == meeting.points[0]) break;
    const PointD p = meeting.points[k];
    const double s = a.Along(p), t = b.Along(p);
    if (s < -margin || s > a.Length() + margin || t < -margin || t > b.Length() + margin) continue;
    crossings.push_back({std::clamp(s, 0.0, a.Length()), std::clamp(t, 0.0, b.Length()), p});
  }
  return crossings;
}

std::optional<PointD> CarriersMeetNearest(const Trace& a, const Trace& b, PointD near) {
  const MyFunc::CurveMeeting meeting = MeetCarriers(a, b);
  if (meeting.count == 0) return std::nullopt;
  const auto distance = [&](PointD p) { return MyFunc::PointDistance(p, near); };
  return distance(meeting.points[0]) <= distance(meeting.points[1]) ? meeting.points[0]
                                                                    : meeting.points[1];
}

Box BoxOf(const Trace& trace, double margin) {
  Box box{std::min(trace.start.x, trace.end.x), std::min(trace.start.y, trace.end.y),
          std::max(trace.start.x, trace.end.x), std::max(trace.start.y, trace.end.y)};
  if (trace.arc) {
    // Each axis direction the arc passes through widens the box to the circle there.
    for (int quarter = 0; quarter < 4; ++quarter) {
      const double angle = quarter * pi / 2.0;
      if (AngleAfter(trace.from, angle) > trace.sweep) continue;
      const PointD p = PolarPoint(trace.centre, trace.radius, angle);
      box = {std::min(box.minX, p.x), std::min(box.minY, p.y), std::max(box.maxX, p.x),
             std::max(box.maxY, p.y)};
    }
  }
  return {box.minX - margin, box.minY - margin, box.maxX + margin, box.maxY + margin};
}

}  // namespace tq58
