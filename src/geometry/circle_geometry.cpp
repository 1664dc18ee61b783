// Line-circle and circle-circle intersections, worked out about the circle's centre so that
// coordinates far from the origin lose no digits. Only +, -, *, / and sqrt, which IEEE rounds
// correctly, so that every build gets the same bits (no library hypot).
#include "geometry/circle_geometry.h"

#include <algorithm>
#include <cmath>

namespace tq58::geometry {

PointD UnitVector(double dx, double dy) {
  const double length = std::sqrt(dx * dx + dy * dy);
  if (!(length > 0.0)) return {0.0, 0.0};
  return {dx / length, dy / length};
}

ContactMeeting MeetLineCircle(const SegmentD& line, const CircleD& circle, double tolerance) {
  const PointD d = UnitVector(line.end.x - line.start.x, line.end.y - line.start.y);
  if (d.x == 0.0 && d.y == 0.0) return {};
  // The line as start + t d, about the centre: t^2 + 2 b t + c = 0.
  const PointD w{line.start.x - circle.centre.x, line.start.y - circle.centre.y};
  const double b = d.x * w.x + d.y * w.y;
  // The squared distance of the line from the centre, without the cancellation of b^2 - w^2.
  const double across = d.x * w.y - d.y * w.x;
  if (!(circle.radius > 0.0)) return {};
  const double disc = circle.radius * circle.radius - across * across;
  if (!(disc >= 0.0)) return {};
  ContactMeeting result;
  CurveMeeting& meeting = result.meeting;
  const bool touching = std::fabs(std::fabs(across) - circle.radius) <= tolerance;
  result.contact = touching ? Contact::Touching : Contact::Crossing;
  const double half = std::sqrt(disc);
  for (const double t : {-b - half, -b + half}) {
    meeting.points[meeting.count++] = {line.start.x + t * d.x, line.start.y + t * d.y};
  }
  return result;
}

ContactMeeting MeetCircles(const CircleD& a, const CircleD& b, double tolerance) {
  const double dx = b.centre.x - a.centre.x, dy = b.centre.y - a.centre.y;
  const double d = std::sqrt(dx * dx + dy * dy);
  if (!(a.radius > 0.0) || !(b.radius > 0.0)) return {};
  if (!(d > 0.0) || d <= tolerance) {
    if (std::fabs(a.radius - b.radius) <= tolerance) return {Contact::Overlap, {}};
    return {};
  }
  const bool touching = std::fabs(d - (a.radius + b.radius)) <= tolerance ||
                        std::fabs(d - std::fabs(a.radius - b.radius)) <= tolerance;
  if (d > a.radius + b.radius || d < std::fabs(a.radius - b.radius)) return {};
  // Along the line of centres to the chord's midpoint, then across it.
  const double along = (a.radius * a.radius - b.radius * b.radius + d * d) / (2.0 * d);
  const PointD u{dx / d, dy / d};
  const PointD m{a.centre.x + along * u.x, a.centre.y + along * u.y};
  ContactMeeting result;
  CurveMeeting& meeting = result.meeting;
  result.contact = touching ? Contact::Touching : Contact::Crossing;
  const double across = std::sqrt(std::max(0.0, a.radius * a.radius - along * along));
  meeting.points[0] = {m.x - across * u.y, m.y + across * u.x};
  meeting.points[1] = {m.x + across * u.y, m.y - across * u.x};
  meeting.count = 2;
  return result;
}

// A tolerance below 0 tells nothing apart: every meeting the arithmetic finds is two points.
CurveMeeting IntersectLineCircle(const SegmentD& line, const CircleD& circle) {
  return MeetLineCircle(line, circle, -1.0).meeting;
}

CurveMeeting IntersectCircles(const CircleD& a, const CircleD& b) {
  return MeetCircles(a, b, -1.0).meeting;
}

}  // namespace tq58::geometry
