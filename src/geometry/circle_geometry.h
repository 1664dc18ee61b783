// Where lines and circles meet, for paths of segments and circular arcs.
#pragma once

#include <array>
#include <cstddef>

#include "geometry/geometry.h"

namespace tq58::geometry {

// A circle about `centre`; a radius of 0 or below is no circle.
struct CircleD {
  PointD centre;
  double radius = 0.0;

  bool operator==(const CircleD&) const = default;
};

// Up to two points where two curves meet.
struct CurveMeeting {
  std::array<PointD, 2> points{};
  std::size_t count = 0;
};

// How two curves meet: not at all, crossing, touching (tangent), or overlapping (one line or one
// circle).
enum class Contact : int { None, Crossing, Touching, Overlap };

// A meeting told apart. The points are those the arithmetic finds, so that they stay where they
// always were: two where the curves cross; where they touch, one or two within the tolerance's
// chord of each other; none where they overlap or miss, even by less than the tolerance.
struct ContactMeeting {
  Contact contact = Contact::None;
  CurveMeeting meeting;
};

// Where the infinite line through `line` meets the circle, a touching where its distance from
// the centre is within `tolerance` (drawing units) of the radius.
ContactMeeting MeetLineCircle(const SegmentD& line, const CircleD& circle, double tolerance);

// Where two circles meet. Centres within `tolerance` (drawing units) of each other make
// concentric circles: one circle (overlap) where the radii differ by no more, else none. A
// touching, outside or inside, where the distance of the centres is within `tolerance` of the
// sum or the difference of the radii.
ContactMeeting MeetCircles(const CircleD& a, const CircleD& b, double tolerance);

// Where the infinite line through `line` meets the circle: none, or two points (the same one
// twice where it touches). Nothing for a line whose ends coincide.
CurveMeeting IntersectLineCircle(const SegmentD& line, const CircleD& circle);

// Where two circles meet: none, or two points (the same one twice where they touch). Nothing
// for circles about the same centre.
CurveMeeting IntersectCircles(const CircleD& a, const CircleD& b);

// The unit vector of (dx, dy); (0, 0) for a null vector.
PointD UnitVector(double dx, double dy);

}  // namespace tq58::geometry
