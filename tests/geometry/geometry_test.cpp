// Plane geometry: angles, rounding, intersections, sides of lines and fillet corners.
#include "geometry/geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <optional>
#include <random>

namespace {

using std::numbers::pi;
using tq58::geometry::DirectionAngle;
using tq58::geometry::DirectionAngleDeg;
using tq58::geometry::FilletCorner;
using tq58::geometry::Intersection;
using tq58::geometry::IntersectLines;
using tq58::geometry::PointD;
using tq58::geometry::RoundFine;
using tq58::geometry::SegmentD;
using tq58::geometry::Side;
using tq58::geometry::SideOfLine;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct AngleCase {
  const char* name;
  double dx, dy;
  double radians;
};

class DirectionAngleCases : public testing::TestWithParam<AngleCase> {};

TEST_P(DirectionAngleCases, GivesTheDirectionFromZeroToTwoPi) {
  EXPECT_DOUBLE_EQ(DirectionAngle(GetParam().dx, GetParam().dy), GetParam().radians);
}

INSTANTIATE_TEST_SUITE_P(
    Directions, DirectionAngleCases,
    testing::Values(AngleCase{"NullVector", 0, 0, 0}, AngleCase{"TinyVector", 5e-11, -5e-11, 0},
                    AngleCase{"PlusX", 1, 0, 0}, AngleCase{"PlusY", 0, 1, pi / 2},
                    AngleCase{"MinusX", -1, 0, pi}, AngleCase{"MinusY", 0, -1, 3 * pi / 2},
                    // 1e-10 itself is no longer a null component.
                    AngleCase{"ComponentAtTolerance", 0, -1e-10, 3 * pi / 2},
                    // A negative angle a hair below 0 becomes a full turn, not 0.
                    AngleCase{"JustBelowPlusX", 1, -1e-300, 2 * pi}),
    [](const auto& info) { return info.param.name; });

TEST(DirectionAngleDeg, IsExactOnRightAnglesAndDiagonals) {
  EXPECT_EQ(DirectionAngleDeg(1, 1), 45.0);
  EXPECT_EQ(DirectionAngleDeg(0, 1), 90.0);
  EXPECT_EQ(DirectionAngleDeg(-1, 0), 180.0);
  EXPECT_EQ(DirectionAngleDeg(0, -1), 270.0);
  EXPECT_EQ(DirectionAngleDeg(1, 0), 0.0);
  EXPECT_EQ(DirectionAngleDeg(0, 0), 0.0);
}

TEST(DirectionAngleDeg, GivesAFullTurnJustShortOfPlusX) {
  EXPECT_EQ(DirectionAngleDeg(1, -1e-13), 360.0);
}

struct RoundCase {
  const char* name;
  double x;
  double expected;
};

class RoundFineCases : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundFineCases, RoundsHalfAwayFromZeroToTenthsOfNanounits) {
  EXPECT_DOUBLE_EQ(RoundFine(GetParam().x), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, RoundFineCases,
    testing::Values(RoundCase{"NegativeDown", -0.12345678901234, -1234567890 * 1e-10},
                    RoundCase{"PositiveUp", 0.12345678906, 1234567891 * 1e-10},
                    RoundCase{"AboveHalfStep", 0.51e-10, 1e-10},
                    RoundCase{"NegativeAboveHalfStep", -0.51e-10, -1e-10},
                    RoundCase{"BelowHalfStep", 0.49e-10, 0.0}, RoundCase{"Zero", 0.0, 0.0},
                    RoundCase{"Whole", 270.0, 270.0}),
    [](const auto& info) { return info.param.name; });

TEST(RoundFine, KeepsNonFiniteAndHugeValuesInDouble) {
  EXPECT_TRUE(std::isnan(RoundFine(kNaN)));
  EXPECT_EQ(RoundFine(kInf), kInf);
  EXPECT_EQ(RoundFine(-kInf), -kInf);
  EXPECT_DOUBLE_EQ(RoundFine(-1e20), -1e20);
  EXPECT_GE(RoundFine(1e300), 1e300);  // the quotient overflows to infinity, never to an int
}

TEST(SamePoint, AcceptsDifferencesUpToTheToleranceInEachAxis) {
  EXPECT_TRUE(tq58::geometry::SamePoint({0, 0}, {1e-8, -1e-8}));
  EXPECT_FALSE(tq58::geometry::SamePoint({0, 0}, {1.1e-8, 0}));
  EXPECT_FALSE(tq58::geometry::SamePoint({0, 0}, {0, -1.1e-8}));
  EXPECT_TRUE(tq58::geometry::SamePoint({0, 0}, {1e-10, -1e-10}, 1e-10));
  EXPECT_FALSE(tq58::geometry::SamePoint({0, 0}, {1.1e-10, 0}, 1e-10));
}

TEST(RotatedY, TurnsAboutTheCentre) {
  EXPECT_DOUBLE_EQ(tq58::geometry::RotatedY({1, 0}, {0, 0}, pi / 2), 1.0);
  EXPECT_NEAR(tq58::geometry::RotatedY({0, 1}, {0, 0}, pi / 2), 0.0, 1e-15);
  EXPECT_DOUBLE_EQ(tq58::geometry::RotatedY({3, 2}, {2, 2}, pi / 2), 3.0);
}

struct IntersectCase {
  const char* name;
  double x1, y1, x2, y2, x3, y3, x4, y4;
  Intersection result;
  double x, y;  // expected point; ignored for Parallel
};

class IntersectLinesCases : public testing::TestWithParam<IntersectCase> {};

TEST_P(IntersectLinesCases, FindsThePointOrReportsParallel) {
  const IntersectCase& c = GetParam();
  const tq58::geometry::LineIntersection result =
      IntersectLines({{c.x1, c.y1}, {c.x2, c.y2}}, {{c.x3, c.y3}, {c.x4, c.y4}});
  EXPECT_EQ(result.kind, c.result);
  if (c.result != Intersection::Parallel) {
    EXPECT_NEAR(result.point.x, c.x, 1e-12 * (1 + std::fabs(c.x)));
    EXPECT_NEAR(result.point.y, c.y, 1e-12 * (1 + std::fabs(c.y)));
  }
}

constexpr auto kParallel = Intersection::Parallel;
constexpr auto kWithin = Intersection::WithinSegments;
constexpr auto kOutside = Intersection::OutsideSegments;

INSTANTIATE_TEST_SUITE_P(
    Lines, IntersectLinesCases,
    testing::Values(
        IntersectCase{"BothVertical", 0, 0, 0, 1, 3, 0, 3, 5, kParallel, 0, 0},
        IntersectCase{"EqualSlopes", 0, 0, 1, 1, 0, 2, 4, 6, kParallel, 0, 0},
        IntersectCase{"OppositeDirections", 0, 0, 1, 1, 4, 6, 0, 2, kParallel, 0, 0},
        IntersectCase{"Crossing", 0, 0, 2, 2, 0, 2, 2, 0, kWithin, 1, 1},
        IntersectCase{"BeyondFirstSegment", 0, 0, 1, 0, 3, -1, 3, 1, kOutside, 3, 0},
        IntersectCase{"FirstVertical", 1, -5, 1, 5, 0, 0, 2, 2, kWithin, 1, 1},
        IntersectCase{"SecondVertical", 0, 0, 2, 2, 1, -5, 1, 5, kWithin, 1, 1},
        // The zero band is -1.5e-8 < d < 0.5e-8: +1e-8 is a slope, -1e-8 is vertical.
        IntersectCase{"DifferencePlusOneTolerance", 1e-8, 0, 0, 1, -1, 0.5, 1, 0.5, kWithin, 5e-9,
                      0.5},
        IntersectCase{"DifferenceMinusOneTolerance", 0, 0, 1e-8, 1, -1, 0.5, 1, 0.5, kWithin, 0,
                      0.5},
        IntersectCase{"DifferenceBelowHalfTolerance", 0.49e-8, 0, 0, 1, -1, 0.5, 1, 0.5, kWithin,
                      0.49e-8, 0.5},
        IntersectCase{"DifferenceAboveHalfTolerance", 0.51e-8, 0, 0, 1, -1, 0.5, 1, 0.5, kWithin,
                      0.255e-8, 0.5},
        IntersectCase{"SlopesCloseBelow", 0, 0, 1, 0, 0, 1, 1, 1 + 1.4e-8, kParallel, 0, 0},
        IntersectCase{"SlopesCloseAbove", 0, 0, 1, 0, 0, 1, 1, 1 - 0.4e-8, kParallel, 0, 0},
        IntersectCase{"SlopesApartAbove", 0, 0, 1, 0, 0, 0.6, 1e8, 0, kOutside, 1e8, 0},
        // The bounding boxes are widened by 1e-8 on every side.
        IntersectCase{"JustInsideMargin", 0, 0, 1, 0, 1 + 0.9e-8, -1, 1 + 0.9e-8, 1, kWithin,
                      1 + 0.9e-8, 0},
        IntersectCase{"JustInsideLowerMargin", 0, 0, 1, 0, -0.9e-8, -1, -0.9e-8, 1, kWithin,
                      -0.9e-8, 0},
        IntersectCase{"JustOutsideMargin", 0, 0, 1, 0, 1 + 1.1e-8, -1, 1 + 1.1e-8, 1, kOutside,
                      1 + 1.1e-8, 0}),
    [](const auto& info) { return info.param.name; });

TEST(IntersectLines, NonFiniteInputNeverLiesWithinTheSegments) {
  for (double bad : {kNaN, kInf, -kInf}) {
    EXPECT_NE(IntersectLines({{bad, 0}, {1, 1}}, {{0, 1}, {1, 0}}).kind,
              Intersection::WithinSegments);
    EXPECT_NE(IntersectLines({{0, 0}, {1, 1}}, {{0, bad}, {1, 0}}).kind,
              Intersection::WithinSegments);
  }
}

struct SideCase {
  const char* name;
  double x1, y1, x2, y2, px, py;
  Side side;
};

class SideOfLineCases : public testing::TestWithParam<SideCase> {};

TEST_P(SideOfLineCases, TellsLeftRightOrOn) {
  const SideCase& c = GetParam();
  EXPECT_EQ(SideOfLine({{c.x1, c.y1}, {c.x2, c.y2}}, {c.px, c.py}), c.side);
}

constexpr Side kLeft = Side::Left;
constexpr Side kRight = Side::Right;
constexpr Side kOn = Side::On;

INSTANTIATE_TEST_SUITE_P(
    Points, SideOfLineCases,
    testing::Values(SideCase{"Left", 0, 0, 10, 0, 5, 1, kLeft},
                    SideCase{"Right", 0, 0, 10, 0, 5, -1, kRight},
                    SideCase{"WithinBand", 0, 0, 10, 0, 5, 0.5e-8, kOn},
                    SideCase{"AtBandEdge", 0, 0, 10, 0, 5, -1e-8, kOn},
                    SideCase{"JustOutsideBand", 0, 0, 10, 0, 5, 1.1e-8, kLeft},
                    SideCase{"ReversedLine", 10, 0, 0, 0, 5, 1, kRight},
                    SideCase{"UpwardLineLeftIsMinusX", 0, 0, 0, 10, -1, 5, kLeft},
                    SideCase{"BeyondTheSegmentEnds", 0, 0, 10, 0, 50, -2, kRight},
                    // A line of no length counts as pointing along +x.
                    SideCase{"NullLineAbove", 3, 3, 3, 3, 0, 4, kLeft},
                    SideCase{"NullLineBelow", 3, 3, 3, 3, 9, 2, kRight},
                    SideCase{"NaNPoint", 0, 0, 10, 0, 5, kNaN, kRight}),
    [](const auto& info) { return info.param.name; });

TEST(SideOfLine, FlipsWhenTheLineIsReversed) {
  std::mt19937 random(58);
  std::uniform_real_distribution<double> coordinate(-100.0, 100.0);
  for (int i = 0; i < 200; ++i) {
    const PointD a{coordinate(random), coordinate(random)};
    const PointD b{coordinate(random), coordinate(random)};
    const PointD p{coordinate(random), coordinate(random)};
    const int forward = static_cast<int>(SideOfLine({a, b}, p));
    EXPECT_EQ(static_cast<int>(SideOfLine({b, a}, p)), -forward);
  }
}

TEST(ParallelLine, KeepsTheDirectionAtTheDistanceOnTheSideOfItsSign) {
  std::mt19937 random(11);
  std::uniform_real_distribution<double> coordinate(-100.0, 100.0);
  std::uniform_real_distribution<double> distance(-20.0, 20.0);
  for (int i = 0; i < 200; ++i) {
    const SegmentD line{{coordinate(random), coordinate(random)},
                        {coordinate(random), coordinate(random)}};
    const double d = distance(random);
    const SegmentD moved = tq58::geometry::ParallelLine(line, d);
    EXPECT_NEAR(tq58::geometry::PointDistance(moved.start, moved.end),
                tq58::geometry::PointDistance(line.start, line.end), 1e-9);
    EXPECT_NEAR(tq58::geometry::PointDistance(line.start, moved.start), std::fabs(d), 1e-9);
    const Side side = d > 0 ? kLeft : kRight;
    EXPECT_EQ(SideOfLine(line, moved.start), side);
    EXPECT_EQ(SideOfLine(line, moved.end), side);
  }
}

std::optional<tq58::geometry::Fillet> FilletOf(Side side1, Side side2, double r, double x1,
                                               double y1, double x2, double y2, double x3,
                                               double y3, double x4, double y4) {
  return FilletCorner(side1, side2, r, {{x1, y1}, {x2, y2}}, {{x3, y3}, {x4, y4}});
}

void ExpectFillet(const std::optional<tq58::geometry::Fillet>& f, double cx, double cy, double t1x,
                  double t1y, double t2x, double t2y) {
  ASSERT_TRUE(f.has_value());
  EXPECT_NEAR(f->centre.x, cx, 1e-12);
  EXPECT_NEAR(f->centre.y, cy, 1e-12);
  EXPECT_NEAR(f->tangent1.x, t1x, 1e-12);
  EXPECT_NEAR(f->tangent1.y, t1y, 1e-12);
  EXPECT_NEAR(f->tangent2.x, t2x, 1e-12);
  EXPECT_NEAR(f->tangent2.y, t2y, 1e-12);
}

TEST(FilletCorner, PutsTheCentreOnTheGivenSides) {
  ExpectFillet(FilletOf(kLeft, kLeft, 2, 0, 0, 10, 0, 10, 0, 10, 10), 8, 2, 8, 0, 10, 2);
  ExpectFillet(FilletOf(kRight, kRight, 2, 0, 0, 10, 0, 10, 0, 10, 10), 12, -2, 12, 0, 10, -2);
  // On counts as the left.
  ExpectFillet(FilletOf(kOn, kOn, 2, 0, 0, 10, 0, 10, 0, 10, 10), 8, 2, 8, 0, 10, 2);
}

TEST(FilletCorner, AcceptsACentreOutsideTheSegments) {
  // Line 1 stops short of the corner; the moved lines still meet at (8, 2).
  ExpectFillet(FilletOf(kLeft, kLeft, 2, 0, 0, 5, 0, 10, 0, 10, 10), 8, 2, 8, 0, 10, 2);
}

TEST(FilletCorner, WithRadiusZeroGivesTheCornerItself) {
  ExpectFillet(FilletOf(kLeft, kLeft, 0, 0, 0, 10, 0, 10, 0, 10, 10), 10, 0, 10, 0, 10, 0);
}

TEST(FilletCorner, FailsForNullOrParallelLines) {
  EXPECT_FALSE(FilletOf(kLeft, kLeft, 2, 5, 5, 5 + 0.5e-8, 5, 10, 0, 10, 10));
  EXPECT_FALSE(FilletOf(kLeft, kLeft, 2, 0, 0, 10, 0, 10, 10, 10, 10 - 0.5e-8));
  EXPECT_FALSE(FilletOf(kLeft, kLeft, 2, 0, 0, 10, 0, 10, 0, 20, 0));
  EXPECT_FALSE(FilletOf(kLeft, kLeft, 2, 0, 0, 10, 0, 10, 0, 0, 0));  // reversal
}

TEST(FilletCorner, TouchesBothLinesAtTheRadius) {
  std::mt19937 random(4242);
  std::uniform_real_distribution<double> coordinate(-50.0, 50.0);
  std::uniform_real_distribution<double> radius(0.1, 20.0);
  for (int i = 0; i < 200; ++i) {
    const PointD a{coordinate(random), coordinate(random)};
    const PointD corner{coordinate(random), coordinate(random)};
    const PointD b{coordinate(random), coordinate(random)};
    const double r = radius(random);
    const Side side = random() % 2 == 0 ? kLeft : kRight;
    const auto f = FilletCorner(side, side, r, {a, corner}, {corner, b});
    if (!f) continue;
    const double scale = 1e-9 * (1.0 + std::fabs(f->centre.x) + std::fabs(f->centre.y));
    EXPECT_NEAR(tq58::geometry::PointDistance(f->centre, f->tangent1), r, scale);
    EXPECT_NEAR(tq58::geometry::PointDistance(f->centre, f->tangent2), r, scale);
    // The centre lies on the requested side of both lines.
    EXPECT_EQ(SideOfLine({a, corner}, f->centre), side);
    EXPECT_EQ(SideOfLine({corner, b}, f->centre), side);
  }
}

}  // namespace
