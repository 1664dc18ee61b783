// Rounding a corner never turns a segment back on itself: over generated paths with turns of
// up to 179 degrees both ways, every segment that runs as its base segment does still runs so
// once its corners are rounded, and the pieces of a row join end to end.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "rows/multiline_fixture.h"
#include "support/sequence.h"

namespace tq58 {
namespace {

using testing_support::MultiLineTest;
using testing_support::OutputItem;
using Kind = OutputItem::Kind;
using Point = std::pair<double, double>;

constexpr double kPi = std::numbers::pi;

Point Minus(Point a, Point b) { return {a.first - b.first, a.second - b.second}; }
double Dot(Point a, Point b) { return a.first * b.first + a.second * b.second; }
bool Near(Point a, Point b, double tolerance) {
  return std::hypot(a.first - b.first, a.second - b.second) <= tolerance;
}

// A path of 3 to 9 segments of lengths 2 to 20, turning by 5 to 179 degrees left or right at
// each point; closed now and then by a last segment back to the start.
std::vector<Point> GeneratedPath(tq58_test::Sequence& random, bool closed) {
  std::vector<Point> p = {{0, 0}};
  double heading = 2 * kPi * random.Unit();
  for (int k = 0, count = 3 + static_cast<int>(random.Below(7)); k < count; ++k) {
    const double length = 2 + 18 * random.Unit();
    p.push_back({p.back().first + length * std::cos(heading),
                 p.back().second + length * std::sin(heading)});
    heading += (random.Below(2) ? 1 : -1) * (5 + 174 * random.Unit()) * kPi / 180;
  }
  if (closed) p.push_back(p.front());
  return p;
}

// The row's corners before rounding: where the neighbouring segments moved by the spacing
// meet, or a segment's moved start where they are parallel; the ends of an open path moved.
std::vector<Point> JoinedCorners(const std::vector<Point>& p, bool closed, double spacing) {
  const std::size_t segments = p.size() - 1;
  const auto moved = [&](std::size_t k) {
    const Point d = Minus(p[k + 1], p[k]);
    const double length = std::hypot(d.first, d.second);
    const Point n{-d.second * spacing / length, d.first * spacing / length};
    return std::pair{Point{p[k].first + n.first, p[k].second + n.second}, d};
  };
  std::vector<Point> corners;
  for (std::size_t k = 0; k < segments; ++k) {
    const auto [start, d] = moved(k);
    corners.push_back(start);
    if (k == 0 && !closed) continue;
    const auto [before, e] = moved(k == 0 ? segments - 1 : k - 1);
    const double cross = e.first * d.second - e.second * d.first;
    if (std::fabs(cross) < 1e-12) continue;
    const Point w = Minus(start, before);
    const double t = (w.first * d.second - w.second * d.first) / cross;
    corners.back() = {before.first + t * e.first, before.second + t * e.second};
  }
  corners.push_back(
      closed ? corners.front()
             : Point{moved(segments - 1).first.first + p.back().first - p[segments - 1].first,
                     moved(segments - 1).first.second + p.back().second - p[segments - 1].second});
  return corners;
}

class CornerFit : public MultiLineTest {};

TEST_F(CornerFit, RoundingKeepsEverySegmentRunningAsItsBaseSegmentAndThePiecesJoined) {
  tq58_test::Sequence random(18);
  int checkedSegments = 0;
  for (int trial = 0; trial < 400; ++trial) {
    const bool closed = trial % 3 == 0;
    const std::vector<Point> p = GeneratedPath(random, closed);
    const double spacing = trial % 5 == 0 ? 0.0 : 4 * random.Signed();
    const double radius = 12 * random.Unit();
    store = {};
    for (exchange::THpPoint& hp : model.HpPoints) hp.Defined = false;
    SetPoints(p);
    DrawRow(1, spacing, radius);
    if (trial % 2 == 1) store.Preset(1).Options = {CornerMode::Concentric, radius};
    FreshWriter();
    const std::vector<OutputItem> pieces = RunGeometry();
    const std::vector<Point> corners = JoinedCorners(p, closed, spacing);
    const std::string where = "trial " + std::to_string(trial);

    // The ends of each piece in drawing order; an arc's ends are matched to its neighbours.
    std::vector<std::pair<Point, Point>> ends;
    std::size_t segment = 0;
    for (const OutputItem& piece : pieces) {
      const std::vector<double>& v = piece.values;
      if (piece.kind == Kind::Segment) {
        const Point from{v[0], v[1]}, to{v[2], v[3]};
        ASSERT_LT(segment, p.size() - 1) << where;
        const Point base = Minus(p[segment + 1], p[segment]);
        // Where the row's own segment runs as its base segment does, the drawn one does too.
        if (Dot(Minus(corners[segment + 1], corners[segment]), base) > 1e-9) {
          EXPECT_GT(Dot(Minus(to, from), base), 0) << where << " segment " << segment;
          ++checkedSegments;
        }
        ends.push_back({from, to});
        ++segment;
        continue;
      }
      const auto at = [&](double degrees) {
        return Point{v[0] + v[2] * std::cos(degrees * kPi / 180),
                     v[1] + v[2] * std::sin(degrees * kPi / 180)};
      };
      // Counterclockwise from a to b: the row runs along it one way or the other.
      const Point a = at(v[3]), b = at(v[4]);
      ends.push_back(Near(a, ends.back().second, 1e-9) ? std::pair{a, b} : std::pair{b, a});
    }
    ASSERT_EQ(segment, p.size() - 1) << where << ": one drawn segment per base segment";
    for (std::size_t i = 0; i + 1 < ends.size(); ++i) {
      EXPECT_TRUE(Near(ends[i].second, ends[i + 1].first, 1e-9)) << where << " piece " << i;
    }
    if (closed) {
      EXPECT_TRUE(Near(ends.back().second, ends.front().first, 1e-9)) << where;
    }
  }
  EXPECT_GT(checkedSegments, 1000);
}

// A 120-degree turn between segments of 15, radius 10: the fillet would reach 17.3 along
// each, past the first segment's start, so the corner stays sharp.
TEST_F(MultiLineTest, ASharpTurnWhoseFilletDoesNotFitStaysSharp) {
  SetPoints({{0, 0}, {15, 0}, {7.5, 12.9903810567666}});
  DrawRow(1, 0, 10);
  Run();
  EXPECT_EQ(writer.OutputLines,
            (std::vector<std::string>{"lc1", "lt1", "0 0 15 0", "15 0 7.5 12.9903810567666"}));
}

}  // namespace
}  // namespace tq58
