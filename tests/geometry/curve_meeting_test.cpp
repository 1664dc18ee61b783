// Where segments and arcs meet, told apart as crossing, touching or overlap: each row as given,
// with both pieces run backwards, and with the two pieces swapped.
#include "geometry/curve_meeting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

using std::numbers::pi;
using tq58::geometry::Contact;
using tq58::geometry::Curve;
using tq58::geometry::PointD;

constexpr double kFar = 1e8;

Curve Seg(double x0, double y0, double x1, double y1) { return Curve::Segment({x0, y0}, {x1, y1}); }
Curve Circle(double x, double y, double r) { return Curve::Arc({x, y}, r, 0.0, 2.0 * pi); }

struct Expected {
  PointD point;
  Contact contact;
};

struct MeetingCase {
  const char* name;
  Curve a, b;
  std::vector<Expected> meetings;
};
void PrintTo(const MeetingCase& c, std::ostream* os) { *os << c.name; }

// Each expected meeting found once, at its place on both pieces, and nothing else.
void ExpectMeetings(const Curve& a, const Curve& b, const std::vector<Expected>& expected) {
  const std::vector<tq58::geometry::Meeting> found = tq58::geometry::MeetCurves(a, b, 0.0);
  ASSERT_EQ(found.size(), expected.size());
  for (const Expected& e : expected) {
    const double close = 1e-9 * std::max({1.0, std::fabs(e.point.x), std::fabs(e.point.y)});
    const auto match =
        std::find_if(found.begin(), found.end(), [&](const tq58::geometry::Meeting& m) {
          return m.contact == e.contact && tq58::geometry::PointDistance(m.point, e.point) <= close;
        });
    ASSERT_NE(match, found.end()) << e.point.x << " " << e.point.y;
    EXPECT_LE(tq58::geometry::PointDistance(a.At(match->s), e.point), close);
    EXPECT_LE(tq58::geometry::PointDistance(b.At(match->t), e.point), close);
  }
}

class CurveMeetings : public testing::TestWithParam<MeetingCase> {};

TEST_P(CurveMeetings, AreFoundAndToldApartWhicheverWayThePiecesRun) {
  const MeetingCase& c = GetParam();
  ExpectMeetings(c.a, c.b, c.meetings);
  ExpectMeetings(c.a.Reversed(), c.b.Reversed(), c.meetings);
  ExpectMeetings(c.b, c.a, c.meetings);
}

const double kHalfRoot2 = std::sqrt(0.5);

INSTANTIATE_TEST_SUITE_P(
    Pieces, CurveMeetings,
    testing::Values(
        MeetingCase{
            "SegmentsCross", Seg(0, 0, 2, 2), Seg(0, 2, 2, 0), {{{1, 1}, Contact::Crossing}}},
        // The segment's line meets the circle a second time, off the quarter arc.
        MeetingCase{"ArcCrossesSegment",
                    Curve::Arc({0, 0}, 1, 0, pi / 2),
                    Seg(-2, -2, 2, 2),
                    {{{kHalfRoot2, kHalfRoot2}, Contact::Crossing}}},
        MeetingCase{"NearlyParallelSegmentsCross",
                    Seg(0, 0, 10, 0),
                    Seg(0, -1e-6, 10, 1e-6),
                    {{{5, 0}, Contact::Crossing}}},
        MeetingCase{"ParallelSegmentsMiss", Seg(0, 0, 1, 0), Seg(0, 1, 1, 1), {}},
        MeetingCase{
            "LineTouchesCircle", Seg(-2, 1, 2, 1), Circle(0, 0, 1), {{{0, 1}, Contact::Touching}}},
        MeetingCase{
            "CirclesTouchOutside", Circle(0, 0, 1), Circle(3, 0, 2), {{{1, 0}, Contact::Touching}}},
        MeetingCase{
            "CirclesTouchInside", Circle(0, 0, 3), Circle(2, 0, 1), {{{3, 0}, Contact::Touching}}},
        MeetingCase{"ConcentricCirclesMiss", Circle(1, 1, 1), Circle(1, 1, 2), {}},
        MeetingCase{"CollinearSegmentsOverlap",
                    Seg(0, 0, 4, 0),
                    Seg(2, 0, 6, 0),
                    {{{2, 0}, Contact::Overlap}, {{4, 0}, Contact::Overlap}}},
        MeetingCase{"ArcsOfOneCircleOverlap",
                    Curve::Arc({0, 0}, 2, 0, pi),
                    Curve::Arc({0, 0}, 2, pi / 2, pi),
                    {{{0, 2}, Contact::Overlap}, {{-2, 0}, Contact::Overlap}}},
        MeetingCase{"FarSegmentsCross",
                    Seg(kFar, kFar, kFar + 2, kFar + 2),
                    Seg(kFar, kFar + 2, kFar + 2, kFar),
                    {{{kFar + 1, kFar + 1}, Contact::Crossing}}},
        MeetingCase{"FarLineTouchesCircle",
                    Seg(kFar - 10, kFar + 5, kFar + 10, kFar + 5),
                    Circle(kFar, kFar, 5),
                    {{{kFar, kFar + 5}, Contact::Touching}}}),
    [](const auto& info) { return info.param.name; });

}  // namespace
