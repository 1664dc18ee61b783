// The host's attribute numbers as colours, dash patterns and stroke widths.
#include "preview/host_palette.h"

#include <gtest/gtest.h>

#include <numeric>
#include <set>

namespace tq58::preview {
namespace {

TEST(HostColors, ScreenColoursAreDistinctAndSxfColoursHaveTheirStandardValues) {
  std::set<std::string> screen;
  for (int color = 1; color <= 9; ++color) screen.insert(HostColorRgb(color));
  EXPECT_EQ(screen.size(), 9u);

  // SXF colour k is host colour 100 + k.
  EXPECT_EQ(HostColorRgb(101), "#000000");  // black
  EXPECT_EQ(HostColorRgb(102), "#ff0000");  // red
  EXPECT_EQ(HostColorRgb(104), "#0000ff");  // blue
  EXPECT_EQ(HostColorRgb(111), "#ff8000");  // orange
  EXPECT_EQ(HostColorRgb(116), "#808080");  // dark grey
}

TEST(HostColors, UserColoursShareOneValueAndUnknownNumbersAreBlack) {
  for (int color = 118; color <= 356; ++color) EXPECT_EQ(HostColorRgb(color), HostColorRgb(117));
  EXPECT_NE(HostColorRgb(117), HostColorRgb(116));
  for (int color : {-1, 0, 10, 100, 357, 2147483647}) {
    EXPECT_EQ(HostColorRgb(color), "#000000") << color;
  }
}

TEST(HostLineTypes, SolidTypesHaveNoPatternAndEveryOtherIsDashGapPairs) {
  for (int type : {1, 10, 11, 15, 20, 31, 46, 47, 62, 0, -3}) {
    EXPECT_TRUE(HostDashPattern(type).empty()) << type;
  }
  std::set<std::vector<double>> patterns;
  for (int type = 2; type <= 45; ++type) {
    if ((type >= 10 && type <= 15) || (type >= 20 && type <= 31)) continue;
    const std::vector<double> pattern = HostDashPattern(type);
    ASSERT_FALSE(pattern.empty()) << type;
    // An odd count would make SVG repeat the pattern with dashes and gaps swapped.
    EXPECT_EQ(pattern.size() % 2, 0u) << type;
    for (double length : pattern) EXPECT_GT(length, 0.0) << type;
    patterns.insert(pattern);
  }
  // The host's own types 2..9 are told apart from each other.
  std::set<std::vector<double>> host;
  for (int type = 2; type <= 9; ++type) host.insert(HostDashPattern(type));
  EXPECT_EQ(host.size(), 8u);
}

TEST(HostLineTypes, DoubleLengthTypesRepeatTwiceAsSlowly) {
  const auto period = [](int type) {
    const std::vector<double> p = HostDashPattern(type);
    return std::accumulate(p.begin(), p.end(), 0.0);
  };
  EXPECT_DOUBLE_EQ(period(16), 2.0 * period(2));
  EXPECT_DOUBLE_EQ(period(17), 2.0 * period(5));
  EXPECT_DOUBLE_EQ(period(18), 2.0 * period(7));
}

TEST(HostLineWidths, GrowWithTheWidthFromOnePixelToACap) {
  EXPECT_DOUBLE_EQ(HostStrokeWidthPx(-5), 1.0);
  EXPECT_DOUBLE_EQ(HostStrokeWidthPx(0), 1.0);
  EXPECT_LT(HostStrokeWidthPx(50), HostStrokeWidthPx(100));
  EXPECT_LT(HostStrokeWidthPx(100), HostStrokeWidthPx(300));
  EXPECT_DOUBLE_EQ(HostStrokeWidthPx(30000), HostStrokeWidthPx(5000));
}

}  // namespace
}  // namespace tq58::preview
