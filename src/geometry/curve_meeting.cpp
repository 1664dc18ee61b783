// Meetings of segments and arcs. Two lines meet about the first one's start, multiplying before
// dividing, so that meetings at round numbers come out exact; lines and circles meet about the
// circle's centre (circle_geometry).
#include "geometry/curve_meeting.h"

#include <algorithm>
#include <cmath>

#include "geometry/tolerances.h"
#include "geometry/vector2.h"

namespace tq58::geometry {

namespace {

double SizeOf(const Curve& c) {
  if (c.arc) return std::max({std::fabs(c.centre.x), std::fabs(c.centre.y)}) + c.radius;
  return std::max(
      {std::fabs(c.start.x), std::fabs(c.start.y), std::fabs(c.end.x), std::fabs(c.end.y)});
}

CircleD CircleOf(const Curve& c) { return {c.centre, c.radius}; }
SegmentD LineOf(const Curve& c) { return {c.start, c.end}; }

ContactMeeting MeetLines(const Curve& a, const Curve& b, double tolerance) {
  const PointD d = Minus(a.end, a.start), e = Minus(b.end, b.start);
  const double denominator = Cross(d, e);
  if (!(std::fabs(denominator) > kParallelSine * std::sqrt(Dot(d, d) * Dot(e, e)))) {
    // Parallel: one line where b's start lies on a's.
    const double apart = std::fabs(Cross(d, Minus(b.start, a.start))) / std::sqrt(Dot(d, d));
    return apart <= tolerance ? ContactMeeting{Contact::Overlap, {}} : ContactMeeting{};
  }
  const double c = Cross(Minus(b.start, a.start), Minus(b.end, a.start));
  const PointD p{a.start.x + d.x * c / denominator, a.start.y + d.y * c / denominator};
  return {Contact::Crossing, {{p, p}, 1}};
}

}  // namespace

double MeetingTolerance(const Curve& a, const Curve& b) {
  return kRelativeMeetingTolerance * std::max({1.0, SizeOf(a), SizeOf(b)});
}

ContactMeeting MeetCarriers(const Curve& a, const Curve& b) {
  const double tolerance = MeetingTolerance(a, b);
  if (a.arc && b.arc) return MeetCircles(CircleOf(a), CircleOf(b), tolerance);
  if (a.arc) return MeetLineCircle(LineOf(b), CircleOf(a), tolerance);
  if (b.arc) return MeetLineCircle(LineOf(a), CircleOf(b), tolerance);
  return MeetLines(a, b, tolerance);
}

std::optional<PointD> CarriersMeetNearest(const Curve& a, const Curve& b, PointD near) {
  const CurveMeeting meeting = MeetCarriers(a, b).meeting;
  if (meeting.count == 0) return std::nullopt;
  if (meeting.count == 1) return meeting.points[0];
  const auto distance = [&](PointD p) { return PointDistance(p, near); };
  return distance(meeting.points[0]) <= distance(meeting.points[1]) ? meeting.points[0]
                                                                    : meeting.points[1];
}

std::vector<Meeting> MeetCurves(const Curve& a, const Curve& b, double margin) {
  std::vector<Meeting> meetings;
  const double la = a.Length(), lb = b.Length();
  const auto add = [&](PointD p, Contact contact) {
    const double s = a.Along(p), t = b.Along(p);
    if (s < -margin || s > la + margin || t < -margin || t > lb + margin) return;
    meetings.push_back({std::clamp(s, 0.0, la), std::clamp(t, 0.0, lb), p, contact});
  };
  const ContactMeeting carriers = MeetCarriers(a, b);
  if (carriers.contact == Contact::Overlap) {
    for (const PointD p : {a.start, a.end, b.start, b.end}) {
      const bool known = std::any_of(meetings.begin(), meetings.end(),
                                     [&](const Meeting& m) { return m.point == p; });
      if (!known) add(p, Contact::Overlap);
    }
    return meetings;
  }
  const CurveMeeting& meeting = carriers.meeting;
  for (std::size_t k = 0; k < meeting.count; ++k) {
    if (k == 1 && meeting.points[1] == meeting.points[0]) break;
    add(meeting.points[k], carriers.contact);
  }
  return meetings;
}

std::optional<ClearCrossing> CrossClearly(const Curve& a, double la, const Curve& b, double lb,
                                          double margin) {
  const PointD r = Minus(a.end, a.start), q = Minus(b.end, b.start), w = Minus(b.start, a.start);
  const double denominator = Cross(r, q);
  if (!(std::fabs(denominator) > kClearCrossingSine * la * lb)) return std::nullopt;
  const double t = Cross(w, q) / denominator * la;
  const double u = Cross(w, r) / denominator * lb;
  if (!(t > margin && t < la - margin && u > margin && u < lb - margin)) return std::nullopt;
  return ClearCrossing{t, denominator > 0.0};
}

bool SegmentsApart(const Curve& a, const Curve& b, double margin) {
  const auto clear = [&](const Curve& l, const Curve& m) {
    const PointD d = Minus(l.end, l.start);
    const double within = margin * PointDistance(l.start, l.end);
    const double s1 = Cross(d, Minus(m.start, l.start)), s2 = Cross(d, Minus(m.end, l.start));
    return (s1 > within && s2 > within) || (s1 < -within && s2 < -within);
  };
  return clear(a, b) || clear(b, a);
}

}  // namespace tq58::geometry
