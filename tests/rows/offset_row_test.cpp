// Rows along paths of segments and arcs, as invariants over generated roads (straights and
// curves turning either way, joined tangentially or at an angle, open and closed, either
// corner mode): every piece of a row lies at its spacing from a base piece or rounds a corner,
// consecutive pieces share their ends, the caps join the outermost rows, and a tangent join
// adds no piece. Along a path of segments with sharp turns and short legs, a curve appended
// tangentially after its end changes nothing of what the segments alone draw.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <variant>
#include <vector>

#include "rows/construction.h"
#include "support/sequence.h"

namespace tq58 {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kNear = 1e-7;

PointD At(PointD c, double r, double degrees) {
  return {c.x + r * std::cos(degrees * kPi / 180), c.y + r * std::sin(degrees * kPi / 180)};
}
bool Near(PointD a, PointD b) { return std::hypot(a.x - b.x, a.y - b.y) <= kNear; }

// A road of 2 to 7 pieces: straights and curves of radius 15 to 40 turning 40 to 120 degrees
// either way; with `angled`, some pieces meet at a turn of 20 to 90 degrees instead of running
// on tangentially, never so sharp that a row has nothing left to join. Closed: a rectangle with its
// corners rounded alike, run either way.
struct Road {
  BasePath path;
  PointD at{0, 0};
  double heading = 0;  // degrees

  void Straight(double length) {
    at = At(at, length, heading);
    path.points.push_back(at);
    path.arcs.push_back(std::nullopt);
  }
  void Curve(double radius, double turn) {  // turn > 0: counterclockwise
    const double side = turn > 0 ? 90 : -90;
    const PointD centre = At(at, radius, heading + side);
    const double entry = heading - side, exit = entry + turn;
    path.arcs.push_back(turn > 0 ? PathArcOf(centre, radius, entry, exit, false)
                                 : PathArcOf(centre, radius, exit, entry, true));
    at = At(centre, radius, exit);
    path.points.push_back(at);
    heading += turn;
  }

  Road() { path.points = {at}; }
  Road(tq58_test::Sequence& random, bool closed, bool angled) {
    path.points = {at};
    const double way = random.Below(2) ? 1 : -1;
    if (closed) {
      const double sides[] = {40 + 60 * random.Unit(), 40 + 60 * random.Unit()};
      const double radius = 15 + 25 * random.Unit();
      for (int k = 0; k < 4; ++k) {
        Straight(sides[k % 2]);
        Curve(radius, way * 90);
      }
      path.points.back() = path.points.front();
      path.closed = true;
      return;
    }
    for (int k = 0, count = 2 + static_cast<int>(random.Below(6)); k < count; ++k) {
      if (angled && random.Below(2))
        heading += (random.Below(2) ? 1 : -1) * (20 + 70 * random.Unit());
      if (random.Below(2)) {
        Straight(30 + 70 * random.Unit());
      } else {
        Curve(15 + 25 * random.Unit(), (random.Below(2) ? 1 : -1) * (40 + 80 * random.Unit()));
      }
    }
  }
};

// The ends of a piece in the direction the row runs: an arc (always written counterclockwise)
// the other way round where its end meets `from`, the end of the piece before.
std::pair<PointD, PointD> Ends(const RowPiece& piece, PointD from) {
  if (!piece.arc) return {piece.start, piece.end};
  const Curve::Degrees& deg = *piece.degrees;
  const PointD p = At(piece.centre, piece.radius, deg.start);
  const PointD q = At(piece.centre, piece.radius, deg.end);
  return Near(q, from) ? std::pair{q, p} : std::pair{p, q};
}

// The ends of every piece in the direction the row runs; the first arc turned to meet the next.
std::vector<std::pair<PointD, PointD>> RowEnds(const std::vector<RowPiece>& pieces) {
  std::vector<std::pair<PointD, PointD>> ends;
  for (const RowPiece& piece : pieces)
    ends.push_back(Ends(piece, ends.empty() ? PointD{} : ends.back().second));
  if (ends.size() > 1) {
    const auto next = Ends(pieces[1], ends[0].first);
    if (Near(next.first, ends[0].first)) {
      std::swap(ends[0].first, ends[0].second);
      for (std::size_t i = 1; i < ends.size(); ++i) ends[i] = Ends(pieces[i], ends[i - 1].second);
    }
  }
  return ends;
}

// Whether the piece lies at `spacing` from a base piece: a segment on a base segment's line
// moved to its left, an arc about a base arc's centre with its radius less (counterclockwise)
// or more (clockwise) by the spacing.
bool AtSpacing(const RowPiece& piece, const BasePath& path, double spacing) {
  for (std::size_t k = 0; k + 1 < path.points.size(); ++k) {
    const PointD a = path.points[k], b = path.points[k + 1];
    if (const Curve* s = &piece; !piece.arc && !path.arcs[k]) {
      const double length = std::hypot(b.x - a.x, b.y - a.y);
      const auto beside = [&](PointD p) {
        return ((b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x)) / length;
      };
      if (std::fabs(beside(s->start) - spacing) < kNear &&
          std::fabs(beside(s->end) - spacing) < kNear)
        return true;
    }
    if (const Curve* arc = &piece; piece.arc && path.arcs[k]) {
      const Curve& base = *path.arcs[k];
      if (Near(arc->centre, base.centre) &&
          std::fabs(arc->radius - (base.radius + (RunsClockwise(base) ? spacing : -spacing))) <
              kNear) {
        return true;
      }
    }
  }
  return false;
}

TEST(CurvedRows, LieAtTheirSpacingAndJoinEndToEndWithTheCapsOnTheOutermostRows) {
  tq58_test::Sequence random(20);
  const double spacings[] = {-6, -1.5, 0, 4};  // within every curve's radius
  for (int trial = 0; trial < 300; ++trial) {
    const bool closed = trial % 4 == 0, angled = trial % 2 == 1;
    const Road road(random, closed, angled);
    TLineTable table;
    for (std::size_t r = 0; r < 4; ++r) table.Lines[r] = {true, spacings[r], 3, false, 1, 1, -1};
    table.Options = {trial % 3 == 0 ? CornerMode::Concentric : CornerMode::PerRow, 8, false,
                     CapStyle::Arc, CapStyle::Line};
    const MultiLine lines = BuildMultiLine(road.path, table, 1.0);
    const std::string where = "trial " + std::to_string(trial);
    ASSERT_EQ(lines.size(), closed ? 4u : 5u) << where;

    std::vector<std::pair<PointD, PointD>> rowEnds;
    for (std::size_t r = 0; r < 4; ++r) {
      const std::vector<RowPiece>& pieces = lines[r].pieces;
      ASSERT_FALSE(pieces.empty()) << where;
      const std::vector<std::pair<PointD, PointD>> ends = RowEnds(pieces);
      for (const RowPiece& piece : pieces) {
        if (!AtSpacing(piece, road.path, spacings[r])) {
          // Not at the spacing: a fillet, which rounds an angled corner.
          EXPECT_TRUE(angled) << where;
          EXPECT_TRUE(piece.arc) << where << " row " << r;
        }
      }
      for (std::size_t i = 0; i + 1 < ends.size(); ++i) {
        EXPECT_TRUE(Near(ends[i].second, ends[i + 1].first))
            << where << " row " << r << " piece " << i;
      }
      EXPECT_TRUE(!closed || Near(ends.back().second, ends.front().first)) << where;
      // Without an angled join no piece is added: one per base piece.
      EXPECT_TRUE(angled || pieces.size() == road.path.points.size() - 1) << where << " row " << r;
      rowEnds.push_back({ends.front().first, ends.back().second});
    }
    if (closed) continue;
    // The caps join the ends of the rows of the largest (last) and the smallest (first) spacing.
    const std::vector<RowPiece>& caps = lines[4].pieces;
    ASSERT_EQ(caps.size(), 2u) << where;
    const auto start = Ends(caps[0], rowEnds[3].first), end = Ends(caps[1], rowEnds[0].second);
    EXPECT_TRUE(Near(start.first, rowEnds[3].first) && Near(start.second, rowEnds[0].first))
        << where;
    EXPECT_TRUE(Near(end.first, rowEnds[0].second) && Near(end.second, rowEnds[3].second)) << where;
  }
}

// One rule rounds the corners of two segments, whatever else the path holds: every row along
// the segments alone is what the same row draws before a tangent curve appended to them.
TEST(OffsetRows, ACurveAppendedTangentiallyChangesNothingOfTheSegmentsBefore) {
  tq58_test::Sequence random(26);
  int rounded = 0;
  for (int trial = 0; trial < 600; ++trial) {
    Road road;
    for (int k = 0, count = 3 + static_cast<int>(random.Below(10)); k < count; ++k) {
      road.Straight(1 + 19 * random.Unit());
      // Turns up to a full reversal, now and then none.
      const double turn = random.Below(8) == 0 ? 180.0 * random.Below(2) : 5 + 175 * random.Unit();
      road.heading += (random.Below(2) ? 1 : -1) * turn;
    }
    road.heading = std::atan2(road.path.points.back().y - road.path.points.rbegin()[1].y,
                              road.path.points.back().x - road.path.points.rbegin()[1].x) *
                   180 / kPi;
    const BasePath segments = road.path;
    road.Curve(3 + 27 * random.Unit(), (random.Below(2) ? 1 : -1) * (30 + 140 * random.Unit()));

    TLineTable table;
    const std::size_t rows = 1 + random.Below(4);
    for (std::size_t r = 0; r < rows; ++r)
      table.Lines[r] = {true, 10 * random.Signed(), 15 * random.Unit(), false, 1, 1, -1};
    table.Options = {random.Below(2) ? CornerMode::Concentric : CornerMode::PerRow,
                     15 * random.Unit(), false, CapStyle::Line, CapStyle::Arc};
    const MultiLine alone = BuildMultiLine(segments, table, 1.0);
    const MultiLine appended = BuildMultiLine(road.path, table, 1.0);
    for (std::size_t r = 0; r < rows; ++r) {
      const std::vector<RowPiece>& before = alone[r].pieces;
      const std::vector<RowPiece>& after = appended[r].pieces;
      ASSERT_LE(before.size(), after.size()) << "trial " << trial << " row " << r;
      EXPECT_TRUE(std::equal(before.begin(), before.end(), after.begin()))
          << "trial " << trial << " row " << r;
      rounded += static_cast<int>(
          std::count_if(before.begin(), before.end(), [](const Curve& p) { return p.arc; }));
    }
  }
  EXPECT_GT(rounded, 1000);  // the rows do round corners
}

}  // namespace
}  // namespace tq58
