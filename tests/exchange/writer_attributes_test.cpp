// Attribute commands: forcing after a reset, change suppression, number mapping and ranges.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "exchange/writer.h"

namespace tq58::exchange {
namespace {

using Lines = std::vector<std::string>;

constexpr NumberKind kHost = NumberKind::HostNumber;
constexpr NumberKind kListIndex = NumberKind::ListIndex;

class WriterAttributes : public testing::Test {
 protected:
  void SetUp() override { ResetWriterState(writer_); }
  // The lines emitted since the last call.
  Lines Take() {
    Lines lines = std::move(writer_.OutputLines);
    writer_.OutputLines.clear();
    return lines;
  }

  ExchangeModel model_;
  WriterState writer_;
};

TEST_F(WriterAttributes, FirstCommandAfterResetIsForcedThenRepeatsAreSuppressed) {
  OutLineColor(model_, writer_, 1, kHost);
  OutLineColor(model_, writer_, 1, kHost);
  OutLineType(model_, writer_, 1, kHost);
  OutTextColor(writer_, 0);
  OutTextColor(writer_, 0);
  EXPECT_EQ(Take(), (Lines{"lc1", "lt1", "cc0"}));
  OutLineColor(model_, writer_, 2, kHost);
  OutLineColor(model_, writer_, 1, kHost);
  EXPECT_EQ(Take(), (Lines{"lc2", "lc1"}));
}

TEST_F(WriterAttributes, LayerGroupForcesTheNextLayer) {
  OutLayerGroup(writer_, 3);
  OutLayer(writer_, 5);
  OutLayerGroup(writer_, 3);
  OutLayer(writer_, 5);
  EXPECT_EQ(Take(), (Lines{"lg3", "ly5"}));
  OutLayerGroup(writer_, 4);
  OutLayer(writer_, 5);
  EXPECT_EQ(Take(), (Lines{"lg4", "ly5"}));
}

TEST_F(WriterAttributes, LayersAreWrittenInUpperCaseHexWithoutRangeCheck) {
  OutLayerGroup(writer_, 15);
  OutLayer(writer_, 10);
  OutLayer(writer_, 255);
  OutLayer(writer_, -1);
  EXPECT_EQ(Take(), (Lines{"lgF", "lyA", "lyFF", "lyFFFFFFFF"}));
}

// Every attribute, called with its start value, is written once after each reset.
TEST_F(WriterAttributes, ResetForcesEveryAttributeAgain) {
  model_.LineWidthSeen = true;
  const auto emitStartValues = [this] {
    OutLayerGroup(writer_, 0);
    OutLayer(writer_, 0);
    OutLineColor(model_, writer_, 1, kHost);
    OutLineType(model_, writer_, 1, kHost);
    OutLineWidth(model_, writer_, 0);
    OutTextStyle(model_, writer_, 1, 1, kHost, 2.0, 2.0, 0.0);
    OutTextColor(writer_, 0);
    OutFontName(model_, writer_, kDefaultFontName);
  };
  const Lines all = {"lg0", "ly0", "lc1", "lt1",
                     "lw0", "cn1", "cc0", std::string("cn\"$") + kDefaultFontName};
  emitStartValues();
  emitStartValues();
  EXPECT_EQ(Take(), all);
  OutLayerGroup(writer_, 7);
  OutLineColor(model_, writer_, 7, kHost);
  OutFontName(model_, writer_, "abc");
  ResetWriterState(writer_);
  EXPECT_EQ(Take(), (Lines{"lg7", "lc7", "cn\"$abc"}));  // the output stays
  EXPECT_EQ(writer_.Emitted.CurLineColor, 1);
  EXPECT_EQ(writer_.Emitted.CurFontName, kDefaultFontName);
  emitStartValues();
  EXPECT_EQ(Take(), all);
}

TEST_F(WriterAttributes, LineWidthNeedsTheHostToAnnounceWidths) {
  OutLineWidth(model_, writer_, 50);
  EXPECT_EQ(Take(), Lines{});
  EXPECT_TRUE(writer_.Emitted.ForceLineWidth);
  model_.LineWidthSeen = true;
  model_.HostLineWidth = 25;
  OutLineWidth(model_, writer_, -1);
  OutLineWidth(model_, writer_, 30000);
  OutLineWidth(model_, writer_, 30001);
  OutLineWidth(model_, writer_, 30000);
  OutLineWidth(model_, writer_, -5);
  OutLineWidth(model_, writer_, 0);
  EXPECT_EQ(Take(), (Lines{"lw25", "lw30000", "lw0", "lw30000", "lw0"}));
  model_.HostLineWidth = -3;
  OutLineWidth(model_, writer_, 7);
  OutLineWidth(model_, writer_, -1);
  EXPECT_EQ(Take(), (Lines{"lw7", "lw0"}));
}

TEST_F(WriterAttributes, TextColorOutsideItsRangeBecomesZero) {
  OutTextColor(writer_, 9);
  OutTextColor(writer_, -1);
  OutTextColor(writer_, 8);
  EXPECT_EQ(Take(), (Lines{"cc0", "cc8"}));
}

struct MapCase {
  int32_t index;
  int32_t color;
  int32_t lineType;
};

TEST(WriterMapping, MapsListIndexesToHostNumbers) {
  ExchangeModel model;
  model.HostLineColor = 5;
  model.HostLineType = 6;
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
  const MapCase cases[] = {
      {kMin, 5, 6},
      {-1, 5, 6},
      {0, 5, 6},
      {1, 1, 1},
      {9, 9, 9},
      {10, 101, 11},
      {11, 102, 12},
      {18, 109, 19},
      {19, 110, 31},
      {20, 111, 32},
      {265, 356, 277},
      // Indexes near the top wrap around as 32-bit numbers instead of overflowing.
      {kMax, kMin + 90, kMin + 11},
  };
  for (const MapCase& c : cases) {
    EXPECT_EQ(MapColorNumber(model, c.index), c.color) << c.index;
    EXPECT_EQ(MapLineTypeNumber(model, c.index), c.lineType) << c.index;
  }
}

TEST_F(WriterAttributes, ColorAndLineTypeAreMappedOnlyForListIndexes) {
  model_.HostLineColor = 5;
  OutLineColor(model_, writer_, 0, kListIndex);
  OutLineColor(model_, writer_, 9, kListIndex);
  OutLineColor(model_, writer_, 10, kListIndex);
  OutLineColor(model_, writer_, 10, kHost);
  OutLineType(model_, writer_, 18, kListIndex);
  OutLineType(model_, writer_, 19, kListIndex);
  OutLineType(model_, writer_, 19, kHost);
  EXPECT_EQ(Take(), (Lines{"lc5", "lc9", "lc101", "lc10", "lt19", "lt31", "lt19"}));
}

TEST_F(WriterAttributes, TextStyleNumberedOrFreeSize) {
  OutTextStyle(model_, writer_, 3, 0, kHost, 0.0, 0.0, 0.0);
  OutTextStyle(model_, writer_, 3, 4, kHost, 9.0, 9.0, 9.0);  // sizes count for style 0 only
  OutTextStyle(model_, writer_, 0, 1, kHost, 2.5, 3.0, 0.0);
  OutTextStyle(model_, writer_, 0, 1, kHost, 2.5, 3.0, 0.0);
  OutTextStyle(model_, writer_, 0, 1, kHost, 2.5, 3.0, 0.5);
  OutTextStyle(model_, writer_, 0, 12, kListIndex, 2.5, 3.0, 0.5);
  EXPECT_EQ(Take(), (Lines{"cn3", "cn0 2.5 3 0 1", "cn0 2.5 3 0.5 1", "cn0 2.5 3 0.5 103"}));
  EXPECT_EQ(writer_.Emitted.CurFreeTextColor, 103);
  EXPECT_EQ(writer_.Emitted.CurCharSpacing, 0.5);
}

TEST_F(WriterAttributes, TextStyleOutsideItsRangeTakesTheHostStyle) {
  model_.HostTextStyle = 0;
  model_.HostTextWidth = 4.0;
  model_.HostTextHeight = 5.0;
  model_.HostCharSpacing = 0.25;
  model_.HostFreeTextColor = 7;
  OutTextStyle(model_, writer_, 11, 1, kListIndex, 1.0, 1.0, 1.0);
  model_.HostTextStyle = 6;
  OutTextStyle(model_, writer_, -1, 1, kListIndex, 1.0, 1.0, 1.0);
  OutTextStyle(model_, writer_, 10, 1, kListIndex, 1.0, 1.0, 1.0);
  EXPECT_EQ(Take(), (Lines{"cn0 4 5 0.25 7", "cn6", "cn10"}));
  EXPECT_EQ(writer_.Emitted.CurTextWidth, 4.0);  // a numbered style keeps the free sizes
}

TEST_F(WriterAttributes, FreeSizeTextStyleNeverWritesNonFiniteSizes) {
  const double inf = std::numeric_limits<double>::infinity();
  OutTextStyle(model_, writer_, 0, 1, kHost, inf, std::nan(""), -inf);
  OutTextStyle(model_, writer_, 0, 1, kHost, std::nan(""), inf, 0.0);
  EXPECT_EQ(Take(), Lines{"cn0 0 0 0 1"});
}

TEST_F(WriterAttributes, FontNameWithItsPrefixAndHostFallback) {
  const std::string defaultFont = kDefaultFontName;
  model_.HostFontName = "<host>";
  OutFontName(model_, writer_, defaultFont);
  OutFontName(model_, writer_, defaultFont);
  OutFontName(model_, writer_, "");
  OutFontName(model_, writer_, "<>");
  OutFontName(model_, writer_, "<other>");
  EXPECT_EQ(Take(), (Lines{"cn\"$" + defaultFont, "cn\"$<host>", "cn\"$<other>"}));
}

}  // namespace
}  // namespace tq58::exchange
