// Concentric arc caps, checked against the rows' ends as drawn and half circles worked out here.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>
#include <string>
#include <vector>

#include "drawing/row_writer.h"
#include "exchange/writer.h"
#include "network/junction_network.h"
#include "rows/construction.h"

namespace tq58 {
namespace {

constexpr CapStyle kC = CapStyle::ConcentricArc, kArc = CapStyle::Arc, kNone = CapStyle::None;
const std::vector<PointD> kPath = {{10, 50}, {10, 10}, {-30, -5}, {-60, -5}};

TLineTable Rows(std::vector<double> spacings, CapStyle start, CapStyle end) {
  TLineTable table;
  for (std::size_t r = 0; r < spacings.size(); ++r) table.Lines[r] = {true, spacings[r], 2};
  table.Lines[0].ColorIndex = 5;  // attributes to tell rows apart in the written bytes
  table.Options.StartCap = start;
  table.Options.EndCap = end;
  return table;
}
MultiLine Build(const TLineTable& table) { return BuildMultiLine({kPath, false, {}}, table, 1.0); }

bool Near(PointD a, PointD b) { return std::hypot(a.x - b.x, a.y - b.y) < 1e-9; }
PointD At(const Curve& a, double deg) {
  return {a.centre.x + a.radius * std::cos(deg * std::numbers::pi / 180),
          a.centre.y + a.radius * std::sin(deg * std::numbers::pi / 180)};
}
// The end of a row of this polyline path, at its start or its end.
PointD EndOf(const DrawnLine& row, bool atEnd) {
  return atEnd ? row.pieces.back().end : row.pieces.front().start;
}

TEST(ConcentricArcCaps, JoinEachPairOfRowsFromTheOutsideInWithAHalfCircleBulgingAway) {
  const std::vector<double> spacings = {1.5, -4, 5, -1, 3};  // not in order of spacing
  for (std::size_t n = 2; n <= 5; ++n) {
    for (const std::pair<CapStyle, CapStyle>& ends : {std::pair{kC, kC}, {kC, kNone}, {kArc, kC}}) {
      const TLineTable table =
          Rows({spacings.begin(), spacings.begin() + n}, ends.first, ends.second);
      const MultiLine lines = Build(table);
      const std::string where =
          std::to_string(n) + " rows, start cap " + std::to_string(static_cast<int>(ends.first));
      std::vector<std::size_t> order(n);  // rows by spacing, largest first
      std::iota(order.begin(), order.end(), 0);
      std::sort(order.begin(), order.end(),
                [&](std::size_t a, std::size_t b) { return spacings[a] > spacings[b]; });
      ASSERT_EQ(lines.size(), n + n / 2) << where;
      for (std::size_t k = 0; k < n / 2; ++k) {
        const DrawnLine& caps = lines[n + k];
        EXPECT_EQ(caps.row, &table.Lines[order[k]]) << where;
        std::size_t piece = 0;
        for (const bool atEnd : {false, true}) {
          const CapStyle style = atEnd ? ends.second : ends.first;
          if (style == kNone || (k > 0 && style != kC)) continue;
          ASSERT_LT(piece, caps.pieces.size()) << where;
          const Curve& arc = caps.pieces[piece++];
          ASSERT_TRUE(arc.degrees) << where;
          const Curve::Degrees& deg = *arc.degrees;
          // Counterclockwise: round the back from the left row, round the front to it.
          const PointD left = EndOf(lines[order[k]], atEnd);
          const PointD right = EndOf(lines[order[n - 1 - k]], atEnd);
          const PointD from = atEnd ? right : left, to = atEnd ? left : right;
          EXPECT_TRUE(Near(arc.centre, {(from.x + to.x) / 2, (from.y + to.y) / 2})) << where;
          EXPECT_TRUE(Near(At(arc, deg.start), from) && Near(At(arc, deg.end), to)) << where;
          const PointD bulge = At(arc, deg.start + 90), out = atEnd ? kPath[3] : kPath[0];
          const PointD in = atEnd ? kPath[2] : kPath[1];
          EXPECT_GT(
              (bulge.x - arc.centre.x) * (out.x - in.x) + (bulge.y - arc.centre.y) * (out.y - in.y),
              0)
              << where;
          // An odd middle row stays open.
          for (const PointD& e : {from, to}) {
            EXPECT_FALSE(n % 2 == 1 && Near(e, EndOf(lines[order[n / 2]], atEnd))) << where;
          }
        }
        EXPECT_EQ(piece, caps.pieces.size()) << where;
      }
    }
  }
}

std::vector<std::string> Written(const MultiLine& lines) {
  exchange::ExchangeModel model;
  exchange::WriterState writer;
  WriteMultiLine(model, writer, lines);
  return writer.OutputLines;
}

TEST(ConcentricArcCaps, OnTwoRowsWriteWhatArcCapsWriteAndJoinOneRowPerSpacing) {
  for (const std::vector<double>& s :
       {std::vector<double>{2, -3}, {0.5, 3}, {2, 2}, {3, -1, 3, -1}}) {
    EXPECT_EQ(Written(Build(Rows(s, kC, kNone))), Written(Build(Rows(s, kArc, kNone)))) << s[1];
    EXPECT_EQ(Written(Build(Rows(s, kArc, kC))), Written(Build(Rows(s, kArc, kArc)))) << s[1];
  }
}

// The inner pairs' half circles lie inside the band: a cleaned network keeps them.
TEST(ConcentricArcCaps, InnerPairsStayInACleanedNetwork) {
  const TLineTable table = Rows({1.5, -4, 5, -1}, kC, kC);
  const MultiLine lines = BuildJunctionNetwork({{kPath, false, {}}}, table, 1.0);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[5].pieces.size(), 2u);
}

}  // namespace
}  // namespace tq58
