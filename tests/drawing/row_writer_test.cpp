// One sweep rule for an arc's degrees, and what the row writer makes of each kind of piece: the
// same start and end degrees are no arc, to be measured, cut, filled or written.
#include "drawing/row_writer.h"

#include <gtest/gtest.h>

#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "exchange/writer.h"
#include "region/band_fill.h"

namespace tq58 {
namespace {

TEST(ArcDegrees, TurnCounterclockwiseFromStartToEndAndTheSameDegreesAreNoArc) {
  struct Case {
    double start, end, sweep;
  };
  for (const Case c : {Case{10, 20, 10},
                       {20, 10, 350},
                       {-10, 350, 360},
                       {0, 720, 360},
                       {5, 5, 0},
                       {400, 30, 350}}) {
    EXPECT_EQ(geometry::SweepDeg(c.start, c.end), c.sweep) << c.start << " to " << c.end;
    const Curve arc = Curve::FromHost({0, 0}, 2, c.start, c.end);
    EXPECT_NEAR(arc.Length(), 2 * c.sweep * std::numbers::pi / 180, 1e-12);
    EXPECT_EQ(WritesSomething(arc), c.sweep > 0);
  }
}

TEST(RowWriter, WritesArcsInTheirOwnDegreesCirclesAsCirclesAndNothingForAnArcOfNoSweep) {
  TLineRow row{};
  const DrawnLine line{&row,
                       {Curve::Segment({0, 0}, {1, 0}), Curve::FromHost({0, 0}, 2, 30, 30),
                        Curve::FromHost({0, 0}, 2, 30, 390), Curve::Circle({1, 1}, 3),
                        Curve::FromHost({0, 0}, 2, 350, 10).DrawnPart(0, 0.1, nullptr, nullptr)}};
  exchange::ExchangeModel model;
  exchange::WriterState writer;
  exchange::ResetWriterState(writer);
  WriteDrawnLine(model, writer, line);
  std::vector<std::string> geometry;
  for (const std::string& l : writer.OutputLines) {
    if (l[0] != 'l') geometry.push_back(l);
  }
  EXPECT_EQ(geometry, (std::vector<std::string>{"0 0 1 0", "ci 0 0 2 30 390 1 0", "ci 1 1 3",
                                                "ci 0 0 2 350 352.8647889757 1 0"}));
}

TEST(BandFill, AnArcOfNoSweepInARowFillsNothing) {
  TLineTable table;
  table.Lines[0] = {true, 1, 1, false, 1, 0, -1};
  table.Lines[1] = {true, -1, 1, false, 1, 0, -1};
  const BasePath path{{{0, 0}, {10, 0}}, false, {}};
  MultiLine lines = {{&table.Lines[0], {Curve::Segment({0, 1}, {10, 1})}},
                     {&table.Lines[1], {Curve::Segment({0, -1}, {10, -1})}}};
  const std::vector<std::optional<RowEnds>> ends = {RowEnds{{0, 1}, {10, 1}},
                                                    RowEnds{{0, -1}, {10, -1}}};
  const Solids plain = FillBand(path, lines, ends, table, 1.0);
  lines[0].pieces.push_back(Curve::FromHost({10, 0.5}, 0.5, 90, 90));
  EXPECT_EQ(FillBand(path, lines, ends, table, 1.0).size(), plain.size());
}

}  // namespace
}  // namespace tq58
