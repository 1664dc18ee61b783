// Row pieces to curves and back; angles turn from the host's degrees to radians and back.
#include "rows/row_curves.h"

#include <cmath>
#include <numbers>

#include "geometry/geometry.h"
#include "util/overloaded.h"

namespace tq58 {

namespace {

using std::numbers::pi;

constexpr double kDegrees = 180.0 / pi;

}  // namespace

Curve CurveOf(const RowPiece& piece) {
  return std::visit(
      util::Overloaded{
          [](const SegmentD& s) { return Curve::Segment(s.start, s.end); },
          [](const HostArc& a) {
            double sweep = std::fmod(a.endDeg - a.startDeg, 360.0);
            if (sweep <= 0.0) sweep += 360.0;
            return Curve::Arc(a.centre, a.radius, a.startDeg / kDegrees, sweep / kDegrees);
          },
          [](const CircleD& c) { return Curve::Arc(c.centre, c.radius, 0.0, 2.0 * pi); }},
      piece);
}

RowPiece PieceOf(const RowPiece& whole, const Curve& curve, double s0, double s1, const PointD* a,
                 const PointD* b) {
  const bool fromStart = s0 <= 0.0 && a == nullptr;
  const bool toEnd = s1 >= curve.Length() && b == nullptr;
  if (fromStart && toEnd) return whole;
  const PointD p = a != nullptr ? *a : curve.At(s0);
  const PointD q = b != nullptr ? *b : curve.At(s1);
  if (!curve.arc) return SegmentD{fromStart ? curve.start : p, toEnd ? curve.end : q};
  const auto degrees = [&](PointD x) {
    return geometry::DirectionAngleDeg(x.x - curve.centre.x, x.y - curve.centre.y);
  };
  const HostArc* arc = std::get_if<HostArc>(&whole);
  const double startDeg = fromStart && arc != nullptr ? arc->startDeg : degrees(p);
  const double endDeg = toEnd && arc != nullptr ? arc->endDeg : degrees(q);
  return HostArc{curve.centre, curve.radius, startDeg, endDeg};
}

}  // namespace tq58
