// The awkward joins of a path with arcs, as a table of paths and the one row drawn along them:
// an arc that collapses, a hairpin narrower than the row, offsets that miss each other, a cusp,
// a lone circle.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "drawing/row_writer.h"
#include "exchange/writer.h"
#include "rows/construction.h"
#include "rows/multiline_fixture.h"

namespace tq58 {
namespace {

using testing_support::OutputItem;

struct AwkwardCase {
  const char* name;
  BasePath path;
  double spacing;
  double radius;
  std::vector<std::vector<double>> expected;  // 4 numbers a segment, 5 an arc, 3 a circle
};

void PrintTo(const AwkwardCase& c, std::ostream* out) { *out << c.name; }

BasePath Path(std::vector<PointD> points, std::vector<std::optional<Curve>> arcs,
              bool closed = false) {
  return {std::move(points), closed, std::move(arcs)};
}

class AwkwardJoins : public ::testing::TestWithParam<AwkwardCase> {};

TEST_P(AwkwardJoins, DrawTheRowAsTheJoinRulesSay) {
  const AwkwardCase& c = GetParam();
  TLineTable table;
  table.Lines[0] = {true, c.spacing, c.radius, false, 1, 1, -1};
  exchange::ExchangeModel model;
  exchange::WriterState writer;
  WriteMultiLine(model, writer, BuildMultiLine(c.path, table, 1.0));
  std::vector<OutputItem> drawn;
  for (const std::string& line : writer.OutputLines) {
    OutputItem item = testing_support::ParseOutputLine(line);
    if (item.kind != OutputItem::Kind::Attribute) drawn.push_back(item);
  }
  ASSERT_EQ(drawn.size(), c.expected.size());
  for (std::size_t i = 0; i < drawn.size(); ++i) {
    const std::vector<double>& want = c.expected[i];
    ASSERT_EQ(drawn[i].values.size(), want.size() == 5 ? 7u : want.size()) << drawn[i].text;
    for (std::size_t k = 0; k < want.size(); ++k) {
      EXPECT_NEAR(drawn[i].values[k], want[k], 1e-9) << drawn[i].text;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Paths, AwkwardJoins,
    ::testing::Values(
        // The row inside a curve tighter than its spacing: the arc is left out and the two
        // straights meet at their corner.
        AwkwardCase{"ACollapsedArcIsLeftOut",
                    Path({{0, 0}, {50, 0}, {60, 10}, {60, 60}},
                         {std::nullopt, PathArcOf({50, 10}, 10, 270, 360, false), std::nullopt}),
                    15,
                    0,
                    {{0, 15, 45, 15}, {45, 15, 45, 60}}},
        // A U-turn narrower than the row: with the curve gone the straights are parallel, so
        // the row is cut into two ends.
        AwkwardCase{"AHairpinNarrowerThanTheRowCutsIt",
                    Path({{0, 0}, {50, 0}, {50, 10}, {0, 10}},
                         {std::nullopt, PathArcOf({50, 5}, 5, 270, 90, false), std::nullopt}),
                    8,
                    0,
                    {{0, 8, 50, 8}, {50, 2, 0, 2}}},
        // The row's offset of the straight passes by the arc's small offset: the arc goes and
        // the straights on either side of it are joined.
        AwkwardCase{"OffsetsThatMissLeaveTheArcOut",
                    Path({{0, 0}, {50, 0}, {54, 4}, {54, 20}},
                         {std::nullopt, PathArcOf({52, 2}, 2.8284271247461903, 225, 45, false),
                          std::nullopt}),
                    2.5,
                    0,
                    {{0, 2.5, 51.5, 2.5}, {51.5, 2.5, 51.5, 20}}},
        // The path turns back where a straight runs into a curve: as at a reversal of
        // indicated points, the straight runs on to where the curve's row starts.
        AwkwardCase{"ACuspRunsOnAsAReversal",
                    Path({{0, 0}, {50, 0}, {40, -10}},
                         {std::nullopt, PathArcOf({50, -10}, 10, 90, 180, false)}),
                    2,
                    0,
                    {{0, 2, 50, -2}, {50, -10, 8, 90, 180}}},
        AwkwardCase{"ALoneCircleDrawsACircle",
                    Path({{10, 0}, {10, 0}}, {PathArcOf({0, 0}, 10, 0, 360, false)}, true),
                    3,
                    0,
                    {{0, 0, 7}}},
        AwkwardCase{"ACircleSmallerThanTheSpacingDrawsNothing",
                    Path({{10, 0}, {10, 0}}, {PathArcOf({0, 0}, 10, 0, 360, false)}, true),
                    12,
                    0,
                    {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tq58
