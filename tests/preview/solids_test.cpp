// Solids written back, as the preview fills them. Expectations come from circle formulas and
// from the end tangents solved as two lines, not from the tracing code.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "preview/host_palette.h"
#include "preview/model_scene.h"

namespace tq58::preview {
namespace {

constexpr double kEps = 1e-9;

std::vector<PointD> OnlyPolygon(const std::string& line) {
  Scene scene;
  AddWrittenCommands({line}, scene);
  EXPECT_EQ(scene.commands.size(), 1u) << line;
  return scene.commands.empty() ? std::vector<PointD>{}
                                : std::get<PolygonShape>(scene.commands[0].shape).corners;
}

double Area(const std::vector<PointD>& p) {  // shoelace
  double twice = 0.0;
  for (std::size_t i = 0, j = p.size() - 1; i < p.size(); j = i++)
    twice += p[j].x * p[i].y - p[i].x * p[j].y;
  return std::fabs(twice) / 2.0;
}

TEST(Solids, FillInTheirColourUnderTheRowsThatFollow) {
  Scene scene;
  AddWrittenCommands({"lc10 255", "sl 0 0 10 0 10 10 0 10", "lc10 1193046", "sl 0 0 1 0 0 1",
                      "lc10 16777216", "sl 0 0 2 0 0 2", "lc3", "sl 0 0 3 0 0 3", "0 0 9 9"},
                     scene);
  ASSERT_EQ(scene.commands.size(), 5u);
  const std::string colors[] = {"#ff0000", "#563412", "#808080", HostColorRgb(3)};
  for (std::size_t k = 0; k < 4; ++k) {
    EXPECT_EQ(scene.commands[k].stroke.color, colors[k]) << k;
    EXPECT_TRUE(scene.commands[k].stroke.filled && scene.commands[k].stroke.dashPx.empty());
  }
  EXPECT_DOUBLE_EQ(Area(std::get<PolygonShape>(scene.commands[0].shape).corners), 100.0);
  EXPECT_TRUE(std::holds_alternative<SegmentShape>(scene.commands[4].shape));
}

// About (3, 4), radius 2, from 0.3 rad; 1.5707963267949 is a quarter turn in 15 digits, and
// the whole ellipse is half as high as wide.
TEST(Solids, ArcAreasFollowTheirCode) {
  const double q = 1.5707963267949;
  for (const auto& [line, area] : {std::pair{"sc 3 4 2 1 0 0.3 2 5", 2 * (2 - std::sin(2.0))},
                                   {"sc 3 4 2 1 0 0.3 -2.5 0", 2 * 2.5},
                                   {"sc 3 4 2 1 0 0.3 1.5707963267949 -1", 4 * (1 - q / 2)},
                                   {"sc 3 4 2 0.5 0.7 0.3 0 100", 2 * std::numbers::pi}}) {
    EXPECT_NEAR(Area(OnlyPolygon(line)), area, area * 1e-3) << line;
  }
  // Between the arc and its end tangents a.(x - a) = 0 and b.(x - b) = 0 (about the centre).
  const PointD a{2 * std::cos(0.3), 2 * std::sin(0.3)}, b{2 * std::cos(1.5), 2 * std::sin(1.5)};
  for (PointD p : OnlyPolygon("sc 3 4 2 1 0 0.3 1.2 -1")) {
    const PointD d{p.x - 3, p.y - 4};
    EXPECT_GE(std::hypot(d.x, d.y), 2 - kEps);
    EXPECT_LE(a.x * (d.x - a.x) + a.y * (d.y - a.y), kEps);
    EXPECT_LE(b.x * (d.x - b.x) + b.y * (d.y - b.y), kEps);
  }
}

// From 0.5 through 2.5 rad, between radii 2 and 5.
TEST(Solids, RingSectorLiesBetweenItsRadiiAndAngles) {
  const std::vector<PointD> points = OnlyPolygon("so -1 2 5 1 0 0.5 2.5 2");
  EXPECT_NEAR(Area(points), 2.5 / 2 * (25 - 4), 0.05);
  for (PointD p : points) {
    const double r = std::hypot(p.x + 1, p.y - 2), angle = std::atan2(p.y - 2, p.x + 1);
    EXPECT_TRUE(r >= 2 - kEps && r <= 5 + kEps && angle >= 0.5 - kEps && angle <= 3 + kEps);
  }
}

TEST(Solids, SolidsWithoutAreaAreLeftOut) {
  for (const char* line :
       {"sl 0 0 1 1 2 2", "sl 0 0 1 1 2 2 3 3.000000000001", "sc 0 0 0 1 0 0 1 5",
        "sc 0 0 1 0 0 0 1 5", "sc 0 0 1 1 0 0 0 5", "sc 0 0 1 1 0 0 1 7", "sc 0 0 1 1 0 0 1.6 -1",
        "so 0 0 1 1 0 0 1 1", "so 0 0 1 1 0 0 1 -0.5"}) {
    Scene scene;
    AddWrittenCommands({line}, scene);
    EXPECT_TRUE(scene.commands.empty()) << line;
  }
}

}  // namespace
}  // namespace tq58::preview
