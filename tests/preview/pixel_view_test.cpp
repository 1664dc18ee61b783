// Fitting a scene into an area of pixels, and arcs as chains of points: tables of cases
// checked against what must hold for every one.
#include "preview/pixel_view.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace tq58::preview {
namespace {

constexpr double kTolerance = 1e-9;

struct FitCase {
  std::string name;
  PointD min;
  PointD max;
  PixelArea area;
};

class FitInAreaTest : public ::testing::TestWithParam<FitCase> {};

// The box lands inside the area less its margins, as large as fits (touching two opposite
// margins), centred, and upright: the drawing's top is the pixels' top.
TEST_P(FitInAreaTest, FitsCentredAndUpright) {
  const FitCase& c = GetParam();
  constexpr double kMargin = 10.0;
  Bounds bounds;
  bounds.Add(c.min);
  bounds.Add(c.max);
  const PixelView view = FitInArea(bounds, c.area, kMargin);
  const PointD low = view.ToPixels(c.min);   // bottom left in the drawing
  const PointD high = view.ToPixels(c.max);  // top right
  EXPECT_GE(low.x, c.area.left + kMargin - kTolerance);
  EXPECT_LE(high.x, c.area.left + c.area.width - kMargin + kTolerance);
  EXPECT_GE(high.y, c.area.top + kMargin - kTolerance);
  EXPECT_LE(low.y, c.area.top + c.area.height - kMargin + kTolerance);
  EXPECT_LT(high.y, low.y) << "y must point downwards";
  const bool fillsWidth = std::fabs((high.x - low.x) - (c.area.width - 2 * kMargin)) < 1e-6;
  const bool fillsHeight = std::fabs((low.y - high.y) - (c.area.height - 2 * kMargin)) < 1e-6;
  EXPECT_TRUE(fillsWidth || fillsHeight);
  EXPECT_NEAR((low.x + high.x) / 2, c.area.left + c.area.width / 2, 1e-6);
  EXPECT_NEAR((low.y + high.y) / 2, c.area.top + c.area.height / 2, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, FitInAreaTest,
    ::testing::Values(
        FitCase{"WideBoxInWideArea", {0, 0}, {6000, 900}, {4, 344, 577, 146}},
        FitCase{"TallBoxInWideArea", {-5, -50}, {5, 50}, {0, 0, 577, 146}},
        FitCase{"TinyBoxFarAway", {1e6, 1e6}, {1e6 + 0.01, 1e6 + 0.02}, {0, 0, 300, 200}},
        FitCase{"NegativeCoordinates", {-800, -300}, {-200, -100}, {20, 30, 400, 400}}),
    [](const auto& info) { return info.param.name; });

TEST(FitInArea, APointOrNothingIsCentredAtScaleOne) {
  Bounds point;
  point.Add({7, 3});
  const PixelView atPoint = FitInArea(point, {0, 0, 100, 50}, 5);
  EXPECT_EQ(atPoint.pixelsPerUnit, 1.0);
  EXPECT_NEAR(atPoint.ToPixels({7, 3}).x, 50, kTolerance);
  EXPECT_NEAR(atPoint.ToPixels({7, 3}).y, 25, kTolerance);
  const PixelView empty = FitInArea(Bounds{}, {0, 0, 100, 50}, 5);
  EXPECT_EQ(empty.pixelsPerUnit, 1.0);
  EXPECT_NEAR(empty.ToPixels({0, 0}).x, 50, kTolerance);
}

struct ArcCase {
  std::string name;
  ArcShape arc;
  double pixelsPerUnit;
};

class ArcPointsTest : public ::testing::TestWithParam<ArcCase> {};

// The chain runs from the arc's start to its end, counterclockwise, on the circle, with chords
// that stray at most a quarter pixel from it.
TEST_P(ArcPointsTest, FollowsTheArcCounterclockwiseWithinAQuarterPixel) {
  const ArcCase& c = GetParam();
  const ArcShape& arc = c.arc;
  const std::vector<PointD> points = ArcPoints(arc, c.pixelsPerUnit);
  ASSERT_GE(points.size(), 3u);
  ASSERT_LE(points.size(), 513u);
  const double scale = std::max(arc.radius, 1.0);
  const PointD start = PointOnArc(arc, arc.startDeg);
  const PointD end = PointOnArc(arc, arc.endDeg);
  EXPECT_NEAR(points.front().x, start.x, 1e-9 * scale);
  EXPECT_NEAR(points.front().y, start.y, 1e-9 * scale);
  EXPECT_NEAR(points.back().x, end.x, 1e-9 * scale);
  EXPECT_NEAR(points.back().y, end.y, 1e-9 * scale);
  const double allowed = 0.25 / c.pixelsPerUnit + 1e-9 * scale;
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    const PointD a{points[i].x - arc.centre.x, points[i].y - arc.centre.y};
    const PointD b{points[i + 1].x - arc.centre.x, points[i + 1].y - arc.centre.y};
    EXPECT_NEAR(std::hypot(a.x, a.y), arc.radius, 1e-9 * scale);
    EXPECT_GT(a.x * b.y - a.y * b.x, 0.0) << "not counterclockwise at point " << i;
    const double middle = std::hypot((a.x + b.x) / 2, (a.y + b.y) / 2);
    EXPECT_LE(arc.radius - middle, allowed) << "chord " << i << " strays too far";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Arcs, ArcPointsTest,
    ::testing::Values(ArcCase{"QuarterOnScreen", {{0, 0}, 100, 0, 90}, 0.5},
                      ArcCase{"AcrossZeroDegrees", {{10, -20}, 5, 300, 30}, 8.0},
                      ArcCase{"HalfCircleCap", {{-3, 4}, 2.5, 90, 270}, 20.0},
                      ArcCase{"FullCircle", {{0, 0}, 1, 45, 45}, 30.0},
                      ArcCase{"SmallerThanAPixel", {{0, 0}, 0.001, 0, 180}, 1.0}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace tq58::preview
