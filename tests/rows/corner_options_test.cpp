// Concentric corners and end caps, as invariants over generated paths: the arcs of every row
// at a corner share the base path's fillet centre, the band keeps its width, and the caps
// join exactly the ends of the outermost rows.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
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
constexpr double kBaseRadius = 10;
// Within the base radius, so that every row rounds every corner; row 3 is the centre row.
const std::vector<double> kSpacings = {-8, -3, 0, 2.5, 8};

Point Add(Point a, Point b, double k = 1) {
  return {a.first + k * b.first, a.second + k * b.second};
}
double Distance(Point a, Point b) { return std::hypot(b.first - a.first, b.second - a.second); }
Point OnCircle(const std::vector<double>& arc, double degrees) {
  return Add({arc[0], arc[1]}, {std::cos(degrees * kPi / 180), std::sin(degrees * kPi / 180)},
             arc[2]);
}
double Sweep(const std::vector<double>& arc) { return std::fmod(arc[4] - arc[3] + 720, 360); }

// An open path running on in one main direction (each segment within 75 degrees of it, and
// turning by at least 15 degrees, left or right), so that it never comes near itself; or a
// closed star of ten points, turning left at the tips and right between them. Its `unit`
// scales the path and every tolerance.
struct TurningPath {
  std::vector<Point> p;
  double unit;
  bool closed;

  TurningPath(tq58_test::Sequence& random, bool closedStar)
      : unit(std::array{0.5, 1.0, 1000.0}[random.Below(3)]), closed(closedStar) {
    if (closed) {
      for (int k = 0; k < 10; ++k) {
        const double radius = 300 * (k % 2 == 0 ? 1.0 : 0.55 + 0.15 * random.Signed());
        const double angle = 2 * kPi * (k + 0.2 * random.Signed()) / 10;
        p.push_back({radius * std::cos(angle), radius * std::sin(angle)});
      }
      p.push_back(p.front());
    } else {
      const double main = kPi * random.Signed();
      double heading = main;
      p.push_back({0, 0});
      for (int k = 0, count = 3 + static_cast<int>(random.Below(8)); k < count; ++k) {
        p.push_back(
            Add(p.back(), {std::cos(heading), std::sin(heading)}, 500 + 200 * random.Signed()));
        const double previous = heading;
        while (std::fabs(heading - previous) < 15 * kPi / 180) {
          heading = main + 75 * kPi / 180 * random.Signed();
        }
      }
    }
    for (Point& point : p) point = {point.first * unit, point.second * unit};
  }

  // +1 where the path turns left at point k (between k - 1 and k + 1), -1 where it turns right.
  double Turn(std::size_t k) const {
    const Point a = p[k == 0 ? p.size() - 2 : k - 1], b = p[k], c = p[k + 1];
    const double cross =
        (b.first - a.first) * (c.second - b.second) - (b.second - a.second) * (c.first - b.first);
    return cross > 0 ? 1.0 : -1.0;
  }
  // The centre of the base path's own fillet of radius r at point k: at distance r from both
  // base lines, on the side it turns to.
  Point FilletCentre(std::size_t k, double r) const {
    const auto leftNormal = [&](Point a, Point b) {
      const double length = Distance(a, b);
      return Point{(a.second - b.second) / length, (b.first - a.first) / length};
    };
    const Point n1 = leftNormal(p[k == 0 ? p.size() - 2 : k - 1], p[k]);
    const Point n2 = leftNormal(p[k], p[k + 1]);
    return Add(p[k], Add(n1, n2), Turn(k) * r / (1 + n1.first * n2.first + n1.second * n2.second));
  }
};

class CornerOptions : public MultiLineTest {
 protected:
  // Rows of `spacings` (times the path's unit) in colours 1, 2, 3, ...; concentric corners
  // about the base radius; then the output of a run with a fresh writer, row by row.
  std::vector<std::vector<OutputItem>> DrawRows(const TurningPath& path,
                                                const std::vector<double>& spacings) {
    SetPath(path.p);
    store = {};
    for (std::size_t i = 0; i < spacings.size(); ++i) {
      // The row's own radius is ignored by concentric corners.
      DrawRow(static_cast<int>(i + 1), spacings[i] * path.unit, 77).ColorIndex =
          static_cast<int32_t>(i + 1);
    }
    store.Preset(1).Options = {CornerMode::Concentric, kBaseRadius * path.unit};
    std::vector<std::vector<OutputItem>> rows;
    for (const OutputItem& item : RunAfresh()) {
      if (item.text.rfind("lc", 0) == 0) rows.emplace_back();
      if (item.kind != Kind::Attribute) rows.back().push_back(item);
    }
    return rows;
  }

  // The points 1, 2, ... and no others.
  void SetPath(const std::vector<Point>& points) {
    for (exchange::THpPoint& hp : model.HpPoints) hp.Defined = false;
    SetPoints(points);
  }

  std::vector<OutputItem> RunAfresh() {
    FreshWriter();
    return Run();
  }
};

// The ends and the middle of a drawn segment or arc.
std::vector<Point> SamplePoints(const OutputItem& item) {
  const std::vector<double>& v = item.values;
  if (item.kind == Kind::Segment)
    return {{v[0], v[1]}, {(v[0] + v[2]) / 2, (v[1] + v[3]) / 2}, {v[2], v[3]}};
  return {OnCircle(v, v[3]), OnCircle(v, v[3] + Sweep(v) / 2), OnCircle(v, v[4])};
}

// Distance of a point from a drawn segment or arc.
double DistanceFrom(const OutputItem& item, Point q) {
  const std::vector<double>& v = item.values;
  if (item.kind == Kind::Segment) {
    const Point d{v[2] - v[0], v[3] - v[1]};
    const double t = ((q.first - v[0]) * d.first + (q.second - v[1]) * d.second) /
                     (d.first * d.first + d.second * d.second);
    return Distance(q, Add({v[0], v[1]}, d, std::clamp(t, 0.0, 1.0)));
  }
  const double angle = std::atan2(q.second - v[1], q.first - v[0]) * 180 / kPi;
  if (std::fmod(angle - v[3] + 720, 360) <= Sweep(v))
    return std::fabs(Distance(q, {v[0], v[1]}) - v[2]);
  return std::min(Distance(q, OnCircle(v, v[3])), Distance(q, OnCircle(v, v[4])));
}

TEST_F(CornerOptions, EveryRowRoundsAboutTheBaseFilletCentreAndKeepsItsDistanceFromTheCentreRow) {
  tq58_test::Sequence random(13);
  for (int trial = 0; trial < 60; ++trial) {
    const TurningPath path(random, trial % 3 == 0);
    const std::vector<std::vector<OutputItem>> rows = DrawRows(path, kSpacings);
    ASSERT_EQ(rows.size(), kSpacings.size());
    const double tolerance = 1e-9 * 300 * path.unit;  // relative to the path's size
    for (std::size_t r = 0; r < rows.size(); ++r) {
      const double s = kSpacings[r] * path.unit, R = kBaseRadius * path.unit;
      std::size_t corner = 1;  // arcs come in path order; the closing corner's (point 0) last
      for (const OutputItem& item : rows[r]) {
        for (const Point& q : SamplePoints(item)) {
          double nearest = INFINITY;
          for (const OutputItem& c : rows[2]) nearest = std::min(nearest, DistanceFrom(c, q));
          EXPECT_NEAR(nearest, std::fabs(s), tolerance) << "trial " << trial << ": " << item.text;
        }
        if (item.kind != Kind::Arc) continue;
        const std::size_t k = corner++ % (path.p.size() - 1);
        const Point centre = path.FilletCentre(k, R);
        EXPECT_NEAR(item.values[0], centre.first, tolerance)
            << "trial " << trial << " corner " << k;
        EXPECT_NEAR(item.values[1], centre.second, tolerance)
            << "trial " << trial << " corner " << k;
        EXPECT_NEAR(item.values[2], R - s * path.Turn(k), tolerance) << "trial " << trial;
      }
      EXPECT_EQ(corner - 1, path.p.size() - (path.closed ? 1 : 2)) << "every corner is rounded";
    }
  }
}

// A cap's ends, and for a half circle its centre, radius and the side it bulges to.
void ExpectCap(const OutputItem& cap, CapStyle style, Point from, Point to, Point away,
               double tolerance) {
  if (style == CapStyle::Line) {
    EXPECT_EQ(cap.values, (std::vector<double>{from.first, from.second, to.first, to.second}));
    return;
  }
  ASSERT_EQ(cap.kind, Kind::Arc) << cap.text;
  const std::vector<Point> ends = SamplePoints(cap);
  EXPECT_NEAR(Distance(ends[0], from), 0, tolerance) << cap.text;
  EXPECT_NEAR(Distance(ends[2], to), 0, tolerance) << cap.text;
  EXPECT_NEAR(cap.values[2], Distance(from, to) / 2, tolerance) << cap.text;
  EXPECT_NEAR(Sweep(cap.values), 180, 1e-9) << cap.text;
  const Point bulge = Add(ends[1], {cap.values[0], cap.values[1]}, -1);
  EXPECT_GT(bulge.first * away.first + bulge.second * away.second, 0) << cap.text;
}

TEST_F(CornerOptions, CapsJoinExactlyTheEndsOfTheOutermostRowsOfAnOpenPath) {
  tq58_test::Sequence random(15);
  for (int trial = 0; trial < 40; ++trial) {
    const TurningPath path(random, trial % 8 == 0);
    // The largest spacing in any row, not only the last; now and then a single spacing.
    std::vector<double> spacings = trial % 8 == 4 ? std::vector<double>{2, 2} : kSpacings;
    std::rotate(spacings.begin(), spacings.begin() + trial % spacings.size(), spacings.end());
    const std::vector<std::vector<OutputItem>> rows = DrawRows(path, spacings);
    const std::vector<std::string> plain = writer.OutputLines;
    const CapStyle start = trial % 2 == 0 ? CapStyle::Line : CapStyle::Arc;
    const CapStyle end = trial % 4 < 2 ? CapStyle::Arc : CapStyle::Line;
    store.Preset(1).Options.StartCap = start;
    store.Preset(1).Options.EndCap = end;
    const std::vector<OutputItem> capped = RunAfresh();
    if (path.closed || spacings[0] == spacings[1]) {
      EXPECT_EQ(writer.OutputLines, plain) << "no cap in trial " << trial;
      continue;
    }
    // After the rows: the largest row's colour unless it is still current, then the caps.
    const auto largest = static_cast<std::size_t>(
        std::max_element(spacings.begin(), spacings.end()) - spacings.begin());
    const auto smallest = static_cast<std::size_t>(
        std::min_element(spacings.begin(), spacings.end()) - spacings.begin());
    std::vector<std::string> expected = plain;
    if (largest + 1 != spacings.size()) expected.push_back("lc" + std::to_string(largest + 1));
    ASSERT_EQ(capped.size(), expected.size() + 2) << "trial " << trial;
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), writer.OutputLines.begin()));

    const auto first = [&](std::size_t r) {
      return Point{rows[r].front().values[0], rows[r].front().values[1]};
    };
    const auto last = [&](std::size_t r) {
      return Point{rows[r].back().values[2], rows[r].back().values[3]};
    };
    const std::vector<Point>& p = path.p;
    const double tolerance = 1e-9 * 300 * path.unit;
    // Backwards at the start, from the largest spacing's end; forwards at the end, to it.
    ExpectCap(capped[capped.size() - 2], start, first(largest), first(smallest),
              Add(p[0], p[1], -1), tolerance);
    ExpectCap(capped.back(), end, last(smallest), last(largest), Add(p.back(), p[p.size() - 2], -1),
              tolerance);
  }
}

// Where every corner of a row gets one radius, concentric corners draw what the row's own
// radius draws: R - s on left turns, R + s on right turns, 0 beyond the centre, R where the
// path does not turn; a paper-size base radius at the layer group's scale of 50.
TEST_F(CornerOptions, ConcentricCornersWithOneRadiusPerRowDrawAsThatRowsOwnRadius) {
  const std::vector<Point> ccw = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}};
  const std::vector<Point> cw = {{0, 0}, {0, 10}, {10, 10}, {10, 0}, {0, 0}};
  const std::vector<Point> noTurn = {{0, 0}, {10, 0}, {20, 0}, {14, 0}};
  struct Case {
    std::vector<Point> points;
    TPresetOptions options;
    std::vector<Point> rows;  // spacing, the radius it gets
  };
  const Case cases[] = {{ccw, {CornerMode::Concentric, 3}, {{1, 2}, {-1, 4}, {2, 1}, {3, 0}}},
                        {cw, {CornerMode::Concentric, 3}, {{1, 4}, {-1, 2}}},
                        {ccw, {CornerMode::Concentric, 0.06, true}, {{1, 2}}},
                        {noTurn, {CornerMode::Concentric, 1}, {{1, 1}, {-1, 1}}}};
  model.LayerGroupScale[0] = 50;
  for (const Case& c : cases) {
    store = {};
    SetPath(c.points);
    for (std::size_t i = 0; i < c.rows.size(); ++i) {
      DrawRow(static_cast<int>(i + 1), c.rows[i].first, c.rows[i].second);
    }
    RunAfresh();
    const std::vector<std::string> perRow = writer.OutputLines;
    store.Preset(1).Options = c.options;
    RunAfresh();
    EXPECT_EQ(writer.OutputLines, perRow) << "base radius " << c.options.BaseRadius;
  }
}

}  // namespace
}  // namespace tq58
