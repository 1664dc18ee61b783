// Concentric arc caps: the drawn rows paired from the outside in by spacing, each pair joined at
// a concentric end by a half circle, checked against the ends of the rows as drawn and the
// host's arc geometry worked out here.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>
#include <string>
#include <vector>

#include "drawing/row_writer.h"
#include "exchange/model.h"
#include "exchange/writer.h"
#include "network/junction_network.h"
#include "rows/construction.h"

namespace tq58 {
namespace {

constexpr double kNear = 1e-9;
constexpr CapStyle kConcentric = CapStyle::ConcentricArc;

// Out of order by spacing, so that pairing in row order would pair other rows.
constexpr double kSpacings[] = {1.5, -4, 5, -1, 3};
const std::vector<PointD> kPaths[] = {{{0, 0}, {40, 0}, {60, 30}},
                                      {{10, 50}, {10, 10}, {-30, -5}, {-60, -5}}};

BasePath Open(const std::vector<PointD>& points) { return BasePath{points, false, {}}; }

TLineTable Rows(const std::vector<double>& spacings, CapStyle start, CapStyle end) {
  TLineTable table;
  for (std::size_t r = 0; r < spacings.size(); ++r) {
    table.Lines[r] = {true, spacings[r], 2, false, static_cast<int32_t>(r + 1), 1, -1};
  }
  table.Options.StartCap = start;
  table.Options.EndCap = end;
  return table;
}

PointD Minus(PointD a, PointD b) { return {a.x - b.x, a.y - b.y}; }
PointD OnArc(const HostArc& a, double degrees) {
  const double t = degrees * std::numbers::pi / 180;
  return {a.centre.x + a.radius * std::cos(t), a.centre.y + a.radius * std::sin(t)};
}
bool Near(PointD a, PointD b) { return std::hypot(a.x - b.x, a.y - b.y) <= kNear; }

// A row of these polyline paths starts and ends with a segment.
PointD RowStart(const DrawnLine& row) { return std::get<SegmentD>(row.pieces.front()).start; }
PointD RowEnd(const DrawnLine& row) { return std::get<SegmentD>(row.pieces.back()).end; }

// A half circle counterclockwise from `from` to `to` about their midpoint, bulging to `away`.
void ExpectHalfCircle(const RowPiece& piece, PointD from, PointD to, PointD away,
                      const std::string& where) {
  const HostArc* arc = std::get_if<HostArc>(&piece);
  ASSERT_NE(arc, nullptr) << where;
  EXPECT_TRUE(Near(arc->centre, {(from.x + to.x) / 2, (from.y + to.y) / 2})) << where;
  EXPECT_NEAR(arc->radius, std::hypot(to.x - from.x, to.y - from.y) / 2, kNear) << where;
  EXPECT_TRUE(Near(OnArc(*arc, arc->startDeg), from) && Near(OnArc(*arc, arc->endDeg), to))
      << where;
  const PointD bulge = Minus(OnArc(*arc, arc->startDeg + 90), arc->centre);
  EXPECT_GT(bulge.x * away.x + bulge.y * away.y, 0) << where;
}

TEST(ConcentricArcCaps, JoinEveryPairOfRowsFromTheOutsideInAtEachConcentricEnd) {
  const std::pair<CapStyle, CapStyle> kEnds[] = {{kConcentric, kConcentric},
                                                 {kConcentric, CapStyle::None},
                                                 {CapStyle::None, kConcentric},
                                                 {kConcentric, CapStyle::Line},
                                                 {CapStyle::Arc, kConcentric}};
  for (const std::vector<PointD>& p : kPaths) {
    for (std::size_t n = 2; n <= 5; ++n) {
      for (const std::pair<CapStyle, CapStyle>& ends : kEnds) {
        const CapStyle start = ends.first, end = ends.second;
        const std::vector<double> spacings(kSpacings, kSpacings + n);
        const TLineTable table = Rows(spacings, start, end);
        const MultiLine lines = BuildMultiLine(Open(p), table, 1.0);
        const std::string where = std::to_string(n) + " rows, ends " +
                                  std::to_string(static_cast<int>(start)) + "/" +
                                  std::to_string(static_cast<int>(end));
        std::vector<std::size_t> bySpacing(n);
        std::iota(bySpacing.begin(), bySpacing.end(), 0);
        std::sort(bySpacing.begin(), bySpacing.end(),
                  [&](std::size_t a, std::size_t b) { return spacings[a] > spacings[b]; });
        ASSERT_EQ(lines.size(), n + n / 2) << where;  // one caps line per pair, outermost first

        std::size_t halfCircles = 0;
        std::vector<PointD> capEnds;
        for (std::size_t k = 0; k < n / 2; ++k) {
          const std::size_t left = bySpacing[k], right = bySpacing[n - 1 - k];
          const DrawnLine& caps = lines[n + k];
          EXPECT_EQ(caps.row, &table.Lines[left]) << where;
          std::size_t piece = 0;
          for (const bool atEnd : {false, true}) {
            const CapStyle style = atEnd ? end : start;
            if (style == CapStyle::None || (k > 0 && style != kConcentric)) continue;
            ASSERT_LT(piece, caps.pieces.size()) << where;
            const RowPiece& cap = caps.pieces[piece++];
            // Round the back at the start from the left row, round the front at the end to it.
            const PointD from = atEnd ? RowEnd(lines[right]) : RowStart(lines[left]);
            const PointD to = atEnd ? RowEnd(lines[left]) : RowStart(lines[right]);
            const PointD away = atEnd ? Minus(p.back(), p[p.size() - 2]) : Minus(p[0], p[1]);
            capEnds.insert(capEnds.end(), {from, to});
            if (style == CapStyle::Line) {
              const SegmentD* s = std::get_if<SegmentD>(&cap);
              EXPECT_TRUE(s && Near(s->start, from) && Near(s->end, to)) << where;
            } else {
              ++halfCircles;
              ExpectHalfCircle(cap, from, to, away, where + " pair " + std::to_string(k));
            }
          }
          EXPECT_EQ(piece, caps.pieces.size()) << where;
        }
        const auto count = [&](CapStyle style) {
          return static_cast<std::size_t>((start == style) + (end == style));
        };
        EXPECT_EQ(halfCircles, count(kConcentric) * (n / 2) + count(CapStyle::Arc)) << where;
        if (n % 2 == 1) {  // the middle row stays open
          const DrawnLine& middle = lines[bySpacing[n / 2]];
          for (const PointD& e : capEnds) {
            EXPECT_FALSE(Near(e, RowStart(middle)) || Near(e, RowEnd(middle))) << where;
          }
        }
      }
    }
  }
}

std::vector<std::string> Written(const MultiLine& lines) {
  exchange::ExchangeModel model;
  exchange::WriterState writer;
  exchange::ClearExchangeModel(model, writer);
  exchange::ResetWriterState(writer);
  WriteMultiLine(model, writer, lines);
  return writer.OutputLines;
}

TEST(ConcentricArcCaps, OnTwoRowsWriteExactlyWhatArcCapsWrite) {
  const std::vector<double> kPairs[] = {{2, -3}, {-1, 4}, {0.5, 3}, {2, 2}};
  const std::pair<CapStyle, CapStyle> kEnds[] = {
      {kConcentric, kConcentric}, {kConcentric, CapStyle::Line}, {CapStyle::None, kConcentric}};
  for (const std::vector<PointD>& p : kPaths) {
    for (const std::vector<double>& spacings : kPairs) {
      for (const auto& [start, end] : kEnds) {
        const auto arc = [](CapStyle s) { return s == kConcentric ? CapStyle::Arc : s; };
        EXPECT_EQ(Written(BuildMultiLine(Open(p), Rows(spacings, start, end), 1.0)),
                  Written(BuildMultiLine(Open(p), Rows(spacings, arc(start), arc(end)), 1.0)))
            << spacings[0] << " " << spacings[1];
      }
    }
  }
}

// Rows with one spacing lie on one another: the first of them in row order is joined, once.
TEST(ConcentricArcCaps, JoinOneRowPerSpacing) {
  const TLineTable table = Rows({-1, 3, 0, 3, -1}, kConcentric, kConcentric);
  const MultiLine lines = BuildMultiLine(Open(kPaths[0]), table, 1.0);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[5].row, &table.Lines[1]);
  EXPECT_EQ(lines[5].pieces.size(), 2u);
}

// In a cleaned network the inner pairs' half circles lie inside the band and are kept.
TEST(ConcentricArcCaps, InnerPairsStayInACleanedNetwork) {
  const TLineTable table =
      Rows(std::vector<double>(kSpacings, kSpacings + 4), kConcentric, kConcentric);
  const MultiLine lines = BuildJunctionNetwork({Open(kPaths[1])}, table, 1.0);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[5].row, &table.Lines[0]);
  EXPECT_EQ(std::count_if(lines[5].pieces.begin(), lines[5].pieces.end(),
                          [](const RowPiece& c) { return std::holds_alternative<HostArc>(c); }),
            2);
}

}  // namespace
}  // namespace tq58
