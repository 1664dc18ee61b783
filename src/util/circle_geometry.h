// Where lines and circles meet, for paths of segments and circular arcs.
#pragma once

#include <array>
#include <cstddef>

#include "util/geometry.h"

namespace MyFunc {

// A circle about `centre`; a radius of 0 or below is no circle.
struct CircleD {
  PointD centre;
  double radius = 0.0;
};

// Up to two points where two curves meet.
struct CurveMeeting {
  std::array<PointD, 2> points{};
  std::size_t count = 0;
};

// Where the infinite line through `line` meets the circle: none, or two points (the same one
// twice where it touches). Nothing for a line whose ends coincide.
CurveMeeting IntersectLineCircle(const SegmentD& line, const CircleD& circle);

// Where two circles meet: none, or two points (the same one twice where they touch). Nothing
// for circles about the same centre.
CurveMeeting IntersectCircles(const CircleD& a, const CircleD& b);

// The unit vector of (dx, dy); (0, 0) for a null vector.
PointD UnitVector(double dx, double dy);

}  // namespace MyFunc
