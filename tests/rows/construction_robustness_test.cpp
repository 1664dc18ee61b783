// The multi-line construction on hostile input, and its symmetry under path reversal.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "rows/multiline_fixture.h"

namespace tq58 {
namespace {

using testing_support::ExpectSegment;
using testing_support::MultiLineTest;
using testing_support::OutputItem;
using Points = std::vector<std::pair<double, double>>;

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct HugeCase {
  const char* name;
  Points points;
  double spacing, radius, scale;
};

class HugeValues : public MultiLineTest, public ::testing::WithParamInterface<HugeCase> {};

TEST_P(HugeValues, NeverWriteANonFiniteNumber) {
  const HugeCase& c = GetParam();
  model.LayerGroupScale[0] = c.scale;
  SetPoints(c.points);
  DrawRow(1, c.spacing, c.radius).PaperSize = true;
  DrawRow(2, 1, 1);
  // Concentric corners about the same radius, with both caps, after the rows' own radii.
  std::vector<OutputItem> items = Run();
  store.Preset(1).Options = {CornerMode::Concentric, c.radius, true, CapStyle::Arc, CapStyle::Line};
  for (OutputItem& item : Run()) items.push_back(std::move(item));
  for (const OutputItem& item : items) {
    std::string lower = item.text;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    EXPECT_EQ(lower.find("inf"), std::string::npos) << item.text;
    EXPECT_EQ(lower.find("nan"), std::string::npos) << item.text;
    for (double v : item.values) EXPECT_TRUE(std::isfinite(v)) << item.text;
  }
}

const Points kCorner = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}};

INSTANTIATE_TEST_SUITE_P(
    Overflow, HugeValues,
    ::testing::Values(
        HugeCase{"SpacingTimesScale", kCorner, 1e308, 2, 50},
        HugeCase{"MaximalSpacing", kCorner, kMax, 0, 1},
        HugeCase{"MaximalRadius", kCorner, 1, kMax, 1},
        HugeCase{"RadiusTimesScale", kCorner, 1, 1e308, 50},
        HugeCase{"InfiniteScale", kCorner, 1, 1, kInf}, HugeCase{"NaNScale", kCorner, 1, 1, kNaN},
        HugeCase{"NaNSpacing", kCorner, kNaN, 1, 1},
        HugeCase{"HugeCoordinates", {{-kMax, -kMax}, {kMax, -kMax}, {kMax, kMax}}, 1, 1, 1},
        HugeCase{"MixedMagnitudes", {{0, 0}, {1e300, 1}, {1e300, 1e-300}, {0, 0}}, 1e10, 1e5, 1}),
    [](const auto& info) { return info.param.name; });

TEST_F(MultiLineTest, LayerGroupOutsideTheTableDrawsAtScaleOne) {
  model.LayerGroupScale.fill(50);
  SetPoints({{0, 0}, {10, 0}});
  DrawRow(1, 2, 0).PaperSize = true;
  for (int32_t group : {-1, 16, INT32_MAX, INT32_MIN}) {
    model.HostLayerGroup = group;
    writer.OutputLines.clear();
    const std::vector<OutputItem> out = RunGeometry();
    ASSERT_EQ(out.size(), 1u) << group;
    ExpectSegment(out[0], 0, 2, 10, 2);
  }
}

TEST_F(MultiLineTest, PresetNumberOutsideOneToTwentyDrawsPresetOne) {
  SetPoints({{0, 0}, {10, 0}});
  DrawRow(1, 3, 0);
  for (int32_t number : {0, 21, -5, INT32_MAX}) {
    store.CurrentPreset = number;
    writer.OutputLines.clear();
    const std::vector<OutputItem> out = RunGeometry();
    ASSERT_EQ(out.size(), 1u) << number;
    ExpectSegment(out[0], 0, 3, 10, 3);
  }
}

// Segments without direction and arcs, in a form that two runs can be compared in.
std::vector<std::vector<double>> Canonical(const std::vector<OutputItem>& items) {
  std::vector<std::vector<double>> shapes;
  for (const OutputItem& item : items) {
    std::vector<double> v = item.values;
    if (item.kind == OutputItem::Kind::Segment && std::tie(v[2], v[3]) < std::tie(v[0], v[1])) {
      v = {v[2], v[3], v[0], v[1]};
    }
    shapes.push_back(v);
  }
  return shapes;
}

bool SameShape(const std::vector<double>& a, const std::vector<double>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const bool angle = a.size() == 7 && (i == 3 || i == 4);
    if (angle ? !testing_support::SameAngle(a[i], b[i], 1e-9) : std::fabs(a[i] - b[i]) > 1e-9) {
      return false;
    }
  }
  return true;
}

struct ReversalCase {
  const char* name;
  Points points;
  double spacing, radius;
};

class PathReversal : public MultiLineTest, public ::testing::WithParamInterface<ReversalCase> {};

TEST_P(PathReversal, EqualsTheOppositeSpacingAlongTheOriginal) {
  const ReversalCase& c = GetParam();
  SetPoints(c.points);
  DrawRow(1, -c.spacing, c.radius);
  std::vector<std::vector<double>> expected = Canonical(RunGeometry());

  writer.OutputLines.clear();
  SetPoints(Points(c.points.rbegin(), c.points.rend()));
  DrawRow(1, c.spacing, c.radius);
  const std::vector<std::vector<double>> actual = Canonical(RunGeometry());

  ASSERT_EQ(actual.size(), expected.size());
  for (const std::vector<double>& shape : actual) {
    const auto match = std::find_if(expected.begin(), expected.end(),
                                    [&](const auto& e) { return SameShape(e, shape); });
    ASSERT_NE(match, expected.end()) << "unmatched shape of " << shape.size() << " numbers";
    expected.erase(match);
  }
}

const Points kZigZag = {{0, 0}, {20, 0}, {30, 15}, {45, 5}, {60, 30}, {40, 40}};
const Points kClosedPentagon = {{0, 0}, {30, -5}, {40, 20}, {15, 35}, {-10, 18}, {0, 0}};

INSTANTIATE_TEST_SUITE_P(Paths, PathReversal,
                         ::testing::Values(ReversalCase{"OpenLeftAndRightTurns", kZigZag, 1.5, 2},
                                           ReversalCase{"OpenNegativeSpacing", kZigZag, -2, 1},
                                           ReversalCase{"OpenSharp", kZigZag, 3, 0},
                                           ReversalCase{"ClosedRounded", kClosedPentagon, 2, 3},
                                           ReversalCase{"ClosedInside", kClosedPentagon, -2, 3}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace tq58
