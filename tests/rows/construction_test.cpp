// The multi-line construction on worked examples: squares, open paths, attributes, rows.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

#include "rows/multiline_fixture.h"

namespace tq58 {
namespace {

using testing_support::ExpectArc;
using testing_support::ExpectSegment;
using testing_support::MultiLineTest;
using testing_support::OutputItem;

const std::vector<std::pair<double, double>> kSquare = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}};

TEST_F(MultiLineTest, ClosedSquareRoundsEveryCornerInPathOrder) {
  SetPoints(kSquare);
  DrawRow(1, 1, 2);
  const std::vector<OutputItem> out = RunGeometry();
  ASSERT_EQ(out.size(), 8u);
  ExpectSegment(out[0], 3, 1, 7, 1);
  ExpectArc(out[1], 7, 3, 2, 270, 0);
  ExpectSegment(out[2], 9, 3, 9, 7);
  ExpectArc(out[3], 7, 7, 2, 0, 90);
  ExpectSegment(out[4], 7, 9, 3, 9);
  ExpectArc(out[5], 3, 7, 2, 90, 180);
  ExpectSegment(out[6], 1, 7, 1, 3);
  ExpectArc(out[7], 3, 3, 2, 180, 270);  // the closing corner follows the last segment
}

TEST_F(MultiLineTest, ClosedSquareWithRadiusZeroJoinsAtTheSharpCorners) {
  SetPoints(kSquare);
  DrawRow(1, 1, 0);
  const std::vector<OutputItem> out = RunGeometry();
  ASSERT_EQ(out.size(), 4u);  // the arcs of radius 0 are dropped by the writer
  ExpectSegment(out[0], 1, 1, 9, 1);
  ExpectSegment(out[1], 9, 1, 9, 9);
  ExpectSegment(out[2], 9, 9, 1, 9);
  ExpectSegment(out[3], 1, 9, 1, 1);
}

TEST_F(MultiLineTest, ClosedSquareWithLargeRadiusRoundsOnlyCornersWithLengthLeft) {
  SetPoints(kSquare);
  DrawRow(1, 1, 5);
  const std::vector<OutputItem> out = RunGeometry();
  ASSERT_EQ(out.size(), 6u);
  ExpectSegment(out[0], 1, 1, 4, 1);
  ExpectArc(out[1], 4, 6, 5, 270, 0);
  ExpectSegment(out[2], 9, 6, 9, 9);  // corner 1 stays sharp: 3 left on each side
  ExpectSegment(out[3], 9, 9, 6, 9);
  ExpectArc(out[4], 6, 4, 5, 90, 180);
  ExpectSegment(out[5], 1, 4, 1, 1);  // the closing corner stays sharp at (1, 1)
}

TEST_F(MultiLineTest, ClockwiseSquareStillEmitsCounterclockwiseArcs) {
  SetPoints({{0, 0}, {0, 10}, {10, 10}, {10, 0}, {0, 0}});
  DrawRow(1, 1, 2);  // left of a clockwise square is outside: the line runs at -1 and 11
  const std::vector<OutputItem> out = RunGeometry();
  ASSERT_EQ(out.size(), 8u);
  ExpectSegment(out[0], -1, 1, -1, 9);
  ExpectArc(out[1], 1, 9, 2, 90, 180);  // a right turn: the ends are exchanged
  ExpectSegment(out[2], 1, 11, 9, 11);
  ExpectSegment(out[6], 9, -1, 1, -1);
  ExpectArc(out[7], 1, 1, 2, 180, 270);
}

struct TwoPointCase {
  const char* name;
  double x1, y1, x2, y2, spacing;
  double sx, sy, ex, ey;  // the expected segment
};

class TwoPointPaths : public MultiLineTest, public ::testing::WithParamInterface<TwoPointCase> {};

TEST_P(TwoPointPaths, OffsetTheSegmentToTheSideOfTheSpacingsSign) {
  const TwoPointCase& c = GetParam();
  SetPoints({{c.x1, c.y1}, {c.x2, c.y2}});
  DrawRow(1, c.spacing, 5);
  const std::vector<OutputItem> out = RunGeometry();
  ASSERT_EQ(out.size(), 1u);
  ExpectSegment(out[0], c.sx, c.sy, c.ex, c.ey);
}

INSTANTIATE_TEST_SUITE_P(
    Segments, TwoPointPaths,
    ::testing::Values(TwoPointCase{"PositiveIsLeft", 0, 0, 10, 0, 2, 0, 2, 10, 2},
                      TwoPointCase{"NegativeIsRight", 0, 0, 10, 0, -2, 0, -2, 10, -2},
                      TwoPointCase{"ReversedPositive", 10, 0, 0, 0, 2, 10, -2, 0, -2},
                      TwoPointCase{"ReversedNegative", 10, 0, 0, 0, -2, 10, 2, 0, 2},
                      TwoPointCase{"ZeroOnTheBaseLine", 0, 0, 10, 0, 0, 0, 0, 10, 0},
                      TwoPointCase{"Upward", 3, 0, 3, 10, 2, 1, 0, 1, 10}),
    [](const auto& info) { return info.param.name; });

TEST_F(MultiLineTest, PaperSizeScalesSpacingAndRadiusByTheCurrentLayerGroup) {
  model.HostLayerGroup = 3;
  model.LayerGroupScale[3] = 50;
  SetPoints({{0, 0}, {1000, 0}, {1000, 1000}});
  DrawRow(1, 2, 2).PaperSize = true;
  const std::vector<OutputItem> out = RunGeometry();
  ASSERT_EQ(out.size(), 3u);
  ExpectSegment(out[0], 0, 100, 800, 100);
  ExpectArc(out[1], 800, 200, 100, 270, 0);
  ExpectSegment(out[2], 900, 200, 900, 1000);
}

TEST_F(MultiLineTest, RealSizeRowsIgnoreTheLayerGroupScale) {
  model.LayerGroupScale[0] = 50;
  SetPoints({{0, 0}, {10, 0}});
  DrawRow(1, 2, 0);
  const std::vector<OutputItem> out = RunGeometry();
  ASSERT_EQ(out.size(), 1u);
  ExpectSegment(out[0], 0, 2, 10, 2);
}

TEST_F(MultiLineTest, ACornerNeedsMoreThanTheRadiusOnBothSegments) {
  SetPoints({{0, 0}, {10, 0}, {10, 10}});
  DrawRow(1, 0, 10 - 0.5e-8);  // 10 is not more than the radius plus 1e-8
  EXPECT_EQ(RunGeometry().size(), 2u);
  writer.OutputLines.clear();
  DrawRow(1, 0, 10 - 2e-8);
  const std::vector<OutputItem> out = RunGeometry();
  ASSERT_EQ(out.size(), 3u);
  ExpectArc(out[1], 2e-8, 10 - 2e-8, 10 - 2e-8, 270, 0);
}

TEST_F(MultiLineTest, CollinearPointsGiveSegmentsEndToEndWithoutArc) {
  SetPoints({{0, 0}, {5, 0}, {10, 0}});
  DrawRow(1, 1, 2);
  const std::vector<OutputItem> out = RunGeometry();
  ASSERT_EQ(out.size(), 2u);
  ExpectSegment(out[0], 0, 1, 5, 1);
  ExpectSegment(out[1], 5, 1, 10, 1);
}

// Where the path turns back its moved lines are parallel: the shared vertex stays at the moved
// start of the second segment, and no fillet turns through 180 degrees, so the corner stays
// sharp however much length is left for a radius.
TEST_F(MultiLineTest, AFullReversalStaysSharp) {
  SetPoints({{0, 0}, {50, 0}, {10, 0}});
  for (const double radius : {1.0, 20.0}) {
    store = {};
    FreshWriter();
    DrawRow(1, -4, radius);
    DrawRow(2, 4, radius);
    const std::vector<OutputItem> out = RunGeometry();
    ASSERT_EQ(out.size(), 4u) << radius;
    ExpectSegment(out[0], 0, -4, 50, 4);
    ExpectSegment(out[1], 50, 4, 10, 4);
    ExpectSegment(out[2], 0, 4, 50, -4);
    ExpectSegment(out[3], 50, -4, 10, -4);
  }
}

TEST_F(MultiLineTest, ReversalWithTooLittleLengthStaysSharp) {
  SetPoints({{0, 0}, {10, 0}, {5, 0}});
  DrawRow(1, 1, 6);  // the second segment (length 5) cannot give up 6
  const std::vector<OutputItem> out = RunGeometry();
  ASSERT_EQ(out.size(), 2u);
  ExpectSegment(out[0], 0, 1, 10, -1);
  ExpectSegment(out[1], 10, -1, 5, -1);
}

TEST_F(MultiLineTest, PointsAfterAGapAreIgnored) {
  SetPoints({{0, 0}, {10, 0}, {10, 10}, {0, 10}});
  model.HpPoints[3].Defined = false;
  DrawRow(1, 1, 2);
  const std::vector<OutputItem> out = RunGeometry();
  ASSERT_EQ(out.size(), 1u);
  ExpectSegment(out[0], 0, 1, 10, 1);
}

TEST_F(MultiLineTest, PointLimitOneUsesOnlyTheFirstTwoPoints) {
  SetPoints(kSquare);
  DrawRow(1, 1, 2);
  DrawRow(2, -1, 2);
  const std::vector<OutputItem> out = RunGeometry(1);
  ASSERT_EQ(out.size(), 2u);
  ExpectSegment(out[0], 0, 1, 10, 1);
  ExpectSegment(out[1], 0, -1, 10, -1);
}

TEST_F(MultiLineTest, PointLimitBeyondTheTableStopsAtPoint99) {
  std::vector<std::pair<double, double>> points;
  for (int i = 1; i <= 99; ++i) points.emplace_back(i, 0);
  SetPoints(points);
  DrawRow(1, 1, 0);
  EXPECT_EQ(RunGeometry(INT32_MAX).size(), 98u);
}

TEST_F(MultiLineTest, NegativePointLimitTakesNoPoints) {
  SetPoints(kSquare);
  DrawRow(1, 1, 0);
  EXPECT_TRUE(RunGeometry(INT32_MIN).empty());
}

TEST_F(MultiLineTest, NoDrawnRowEmitsNothing) {
  SetPoints(kSquare);
  store.Preset(1).Lines[0].Spacing = 1;
  EXPECT_TRUE(Run().empty());
}

TEST_F(MultiLineTest, AttributesComeFirstWithListIndexesMapped) {
  model.LineWidthSeen = true;
  SetPoints({{0, 0}, {10, 0}});
  TLineRow& row = DrawRow(1, 1, 0);
  row.ColorIndex = 10;
  row.LineTypeIndex = 19;
  row.LineWidth = 25;
  const std::vector<OutputItem> out = Run();
  ASSERT_EQ(out.size(), 4u);
  EXPECT_EQ(out[0].text, "lc101");
  EXPECT_EQ(out[1].text, "lt31");
  EXPECT_EQ(out[2].text, "lw25");
  ExpectSegment(out[3], 0, 1, 10, 1);
}

TEST_F(MultiLineTest, FewerThanTwoPointsEmitOnlyTheAttributes) {
  SetPoints({{4, 4}});
  DrawRow(1, 1, 0).ColorIndex = 3;
  DrawRow(2, 2, 0).ColorIndex = 4;
  const std::vector<OutputItem> out = Run();
  ASSERT_EQ(out.size(), 3u);
  EXPECT_EQ(out[0].text, "lc3");
  EXPECT_EQ(out[1].text, "lt1");
  EXPECT_EQ(out[2].text, "lc4");
}

TEST_F(MultiLineTest, RowsAreDrawnInAscendingOrderFromTheCurrentPreset) {
  SetPoints({{0, 0}, {10, 0}});
  store.CurrentPreset = 5;
  TLineRow& third = store.Preset(5).Lines[2];
  third = {true, 3, 0, false, 2, 0, -1};
  TLineRow& first = store.Preset(5).Lines[0];
  first = {true, 1, 0, false, 3, 0, -1};
  DrawRow(1, 7, 0);  // preset 1 is not current
  const std::vector<OutputItem> out = Run();
  ASSERT_EQ(out.size(), 5u);
  EXPECT_EQ(out[0].text, "lc3");
  ExpectSegment(out[2], 0, 1, 10, 1);
  EXPECT_EQ(out[3].text, "lc2");
  ExpectSegment(out[4], 0, 3, 10, 3);
}

TEST_F(MultiLineTest, IdenticalRowsEmitIdenticalGeometry) {
  SetPoints({{0, 0}, {10, 0}, {10, 10}, {3, 12}, {-4, 2}});
  DrawRow(1, 1.5, 2);
  DrawRow(2, -0.5, 100);  // rounds no corner: stale flags of row 1 would show here
  DrawRow(3, 1.5, 2);
  std::vector<std::string> lines;
  for (const OutputItem& item : RunGeometry()) lines.push_back(item.text);
  ASSERT_GE(lines.size(), 4u);
  const std::size_t rowLines = (lines.size() - 4) / 2;  // row 2 gives exactly 4 segments
  ASSERT_GT(rowLines, 4u);                              // row 1 has arcs
  const std::vector<std::string> first(lines.begin(), lines.begin() + rowLines);
  const std::vector<std::string> middle(lines.begin() + rowLines, lines.end() - rowLines);
  const std::vector<std::string> third(lines.end() - rowLines, lines.end());
  EXPECT_EQ(first, third);
  for (const std::string& line : middle) EXPECT_EQ(line.rfind("ci", 0), std::string::npos);
}

TEST_F(MultiLineTest, CoincidentEndsMakeAClosedPathOfOneEmptySegment) {
  SetPoints({{3, 3}, {3 + 0.5e-10, 3}});
  DrawRow(1, 1, 2);
  const std::vector<OutputItem> out = Run();
  ASSERT_EQ(out.size(), 2u);  // only the colour and the line type
  EXPECT_EQ(out[0].kind, OutputItem::Kind::Attribute);
  EXPECT_EQ(out[1].kind, OutputItem::Kind::Attribute);
}

}  // namespace
}  // namespace tq58
