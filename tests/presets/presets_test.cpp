// Range rules of a preset row and the text form of its seven fields.
#include "presets/presets.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace tq58 {
namespace {

TEST(PresetRules, RadiusNotAboveZeroBecomesZero) {
  const double inf = std::numeric_limits<double>::infinity();
  const std::pair<double, double> cases[] = {{-2.0, 0.0}, {0.0, 0.0},       {-0.0, 0.0},
                                             {-inf, 0.0}, {1e-300, 1e-300}, {2.5, 2.5}};
  for (const auto& [radius, expected] : cases) {
    EXPECT_EQ(ApplyRadiusRule(radius), expected) << radius;
    EXPECT_FALSE(std::signbit(ApplyRadiusRule(radius))) << radius;
  }
  EXPECT_EQ(ApplyRadiusRule(std::nan("")), 0.0);
}

TEST(PresetRules, LineWidthOutsideMinusOneTo30000BecomesMinusOne) {
  constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  const std::pair<int32_t, int32_t> cases[] = {{kMin, -1},     {-2, -1},    {-1, -1},  {0, 0},
                                               {30000, 30000}, {30001, -1}, {kMax, -1}};
  for (const auto& [width, expected] : cases) EXPECT_EQ(ApplyLineWidthRule(width), expected);
}

TEST(PresetRowFields, EachFieldHasItsTextForm) {
  TLineRow row;
  row.DrawOn = true;
  row.Spacing = -5.0;
  row.Radius = 1.0 / 3.0;
  row.PaperSize = false;
  row.ColorIndex = 300;
  row.LineTypeIndex = -1;
  row.LineWidth = 30000;
  const char* texts[] = {"1", "-5", "0.333333333333333", "0", "300", "-1", "30000"};
  TLineRow copy;
  for (std::size_t i = 0; i < kLineRowFields.size(); ++i) {
    std::string text;
    AppendLineRowField(text, row, kLineRowFields[i]);
    EXPECT_EQ(text, texts[i]) << i;
    SetLineRowField(copy, kLineRowFields[i], text);
  }
  EXPECT_TRUE(copy.DrawOn);
  EXPECT_EQ(copy.Spacing, -5.0);
  EXPECT_EQ(copy.Radius, 0.333333333333333);
  EXPECT_EQ(copy.ColorIndex, 300);
  EXPECT_EQ(copy.LineTypeIndex, -1);
  EXPECT_EQ(copy.LineWidth, 30000);
}

TEST(PresetRowFields, TextIsReadWithTheConversionOfItsKind) {
  TLineRow row;
  SetLineRowField(row, kLineRowFields[0], " on ");
  SetLineRowField(row, kLineRowFields[1], "2.50");
  SetLineRowField(row, kLineRowFields[2], "-1");  // rules are not applied here
  SetLineRowField(row, kLineRowFields[3], "yes");
  SetLineRowField(row, kLineRowFields[4], "$10");
  SetLineRowField(row, kLineRowFields[5], "1.5");
  SetLineRowField(row, kLineRowFields[6], "40000");
  EXPECT_TRUE(row.DrawOn);
  EXPECT_EQ(row.Spacing, 2.5);
  EXPECT_EQ(row.Radius, -1.0);
  EXPECT_FALSE(row.PaperSize);
  EXPECT_EQ(row.ColorIndex, 16);
  EXPECT_EQ(row.LineTypeIndex, 0);
  EXPECT_EQ(row.LineWidth, 40000);
  ApplyLineRowRules(row);
  EXPECT_EQ(row.Radius, 0.0);
  EXPECT_EQ(row.LineWidth, -1);
}

}  // namespace
}  // namespace tq58
