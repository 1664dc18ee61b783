// Where two curves meet, and where their full lines and circles (their carriers) meet, each
// meeting told apart as a crossing, a touching (tangent) or an overlap (one line, one circle).
#pragma once

#include <optional>
#include <vector>

#include "geometry/circle_geometry.h"
#include "geometry/curve.h"

namespace tq58::geometry {

// The tolerance (drawing units) within which a and b touch or coincide: kRelativeMeetingTolerance
// of their size.
double MeetingTolerance(const Curve& a, const Curve& b);

// Where the carriers of a and b meet: lines once, a line and a circle or two circles twice (the
// same point twice where the arithmetic finds no gap), as circle_geometry tells them apart; no
// point where they are one line or one circle (Overlap) or where they do not meet.
ContactMeeting MeetCarriers(const Curve& a, const Curve& b);

// The meeting of the carriers of a and b nearest `near`; none where they do not meet in points.
std::optional<PointD> CarriersMeetNearest(const Curve& a, const Curve& b, PointD near);

// A point where two curves meet, as distances along the first and along the second.
struct Meeting {
  double s = 0.0;
  double t = 0.0;
  PointD point;
  Contact contact = Contact::None;
};

// Where a and b meet, each point within `margin` (drawing units) of both pieces, its distances
// clamped onto them: the crossings and touchings of their carriers and, where the carriers are
// one, the ends of the shared part (each end of either piece that lies on the other).
std::vector<Meeting> MeetCurves(const Curve& a, const Curve& b, double margin);

// Whether segments a and b lie apart: the ends of one lie on one side of the other's line, clear
// of it by more than `margin` (drawing units). The quick half of meeting two segments; segments
// not apart may still miss each other.
bool SegmentsApart(const Curve& a, const Curve& b, double margin);

// Where segments a and b (of lengths la and lb) cross clearly: at an angle whose sine is above
// kClearCrossingSine and more than `margin` from each end of both. The distance along a, and
// whether b runs across a from its right to its left.
struct ClearCrossing {
  double along = 0.0;
  bool leftward = false;
};
// The quick other half of meeting two segments: none where the crossing is not clear, though
// the segments may still meet.
std::optional<ClearCrossing> CrossClearly(const Curve& a, double la, const Curve& b, double lb,
                                          double margin);

}  // namespace tq58::geometry
