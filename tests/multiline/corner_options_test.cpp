// Concentric corners and end caps, as invariants over generated paths: the arcs of every row
// at a corner share the base path's fillet centre, the band keeps its width, and the caps
// join exactly the ends of the outermost rows.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <numbers>
#include <string>
#include <vector>

#include "multiline/multiline_fixture.h"
#include "support/sequence.h"

namespace tq58 {
namespace {

using testing_support::MultiLineTest;
using testing_support::OutputItem;
using Points = std::vector<std::pair<double, double>>;
using Kind = OutputItem::Kind;

constexpr double kPi = std::numbers::pi;
constexpr double kBaseRadius = 10;
// Spacings within the base radius: every row rounds every corner. Rows are told apart in
// the output by their colours 1, 2, 3, ...
const std::vector<double> kSpacings = {-8, -3, 0, 2.5, 8};

struct Generated {
  Points points;
  double unit;  // the path's size, and the scale of every tolerance
};

// An open path that runs on in one main direction, each segment within 75 degrees of it and
// turning by at least 15 degrees from the one before, left or right: it never comes back
// near itself. Or a closed star of ten points, turning left at the tips and right between
// them. Segments are long enough for every corner of every row.
Generated TurningPath(tq58_test::Sequence& random, bool closed) {
  const double unit = std::array{0.5, 1.0, 1000.0}[random.Below(3)];
  Points points;
  if (closed) {
    for (int k = 0; k < 10; ++k) {
      const double radius = 300 * (k % 2 == 0 ? 1.0 : 0.55 + 0.15 * random.Signed());
      const double angle = 2 * kPi * (k + 0.2 * random.Signed()) / 10;
      points.emplace_back(radius * std::cos(angle), radius * std::sin(angle));
    }
    points.push_back(points.front());
  } else {
    const double mainHeading = kPi * random.Signed();
    double x = 0, y = 0, heading = mainHeading;
    points.emplace_back(x, y);
    for (int k = 0, count = 2 + static_cast<int>(random.Below(8)); k < count; ++k) {
      const double length = 500 + 200 * random.Signed();
      x += length * std::cos(heading);
      y += length * std::sin(heading);
      points.emplace_back(x, y);
      const double previous = heading;
      do {
        heading = mainHeading + 75 * kPi / 180 * random.Signed();
      } while (std::fabs(heading - previous) < 15 * kPi / 180);
    }
  }
  for (auto& [x, y] : points) x *= unit, y *= unit;
  return {points, unit};
}

// +1 where the base path turns left at point `at`, -1 where it turns right.
double Turn(const Points& p, std::size_t before, std::size_t at, std::size_t after) {
  const double cross = (p[at].first - p[before].first) * (p[after].second - p[at].second) -
                       (p[at].second - p[before].second) * (p[after].first - p[at].first);
  return cross > 0 ? 1.0 : -1.0;
}

// Centre of the base path's own fillet of radius r at point `at`: at distance r from both
// base lines, on the side the path turns to.
std::pair<double, double> BaseFilletCentre(const Points& p, std::size_t before, std::size_t at,
                                           std::size_t after, double r) {
  const auto leftNormal = [&](std::size_t a, std::size_t b) {
    const double dx = p[b].first - p[a].first, dy = p[b].second - p[a].second;
    const double length = std::hypot(dx, dy);
    return std::pair{-dy / length, dx / length};
  };
  const auto [n1x, n1y] = leftNormal(before, at);
  const auto [n2x, n2y] = leftNormal(at, after);
  const double k = Turn(p, before, at, after) * r / (1 + n1x * n2x + n1y * n2y);
  return {p[at].first + k * (n1x + n2x), p[at].second + k * (n1y + n2y)};
}

class CornerOptions : public MultiLineTest {
 protected:
  // Rows of the given spacings (times the path's unit) in colours 1, 2, 3, ...; concentric
  // corners about the base radius, no caps.
  void SetUpPreset(const Generated& path, const std::vector<double>& spacings) {
    for (JwwGaibu::THpPoint& hp : model.HpPoints) hp.Defined = false;
    SetPoints(path.points);
    for (std::size_t i = 0; i < spacings.size(); ++i) {
      // The row's own radius is ignored by concentric corners.
      DrawRow(static_cast<int>(i + 1), spacings[i] * path.unit, 77).ColorIndex =
          static_cast<int32_t>(i + 1);
    }
    store.Preset(1).Options = {CornerMode::Concentric, kBaseRadius * path.unit};
  }

  // The output of a run with a fresh writer, as a transformation starts it.
  std::vector<OutputItem> RunAfresh() {
    writer = {};
    JwwGaibu::ResetWriterState(writer);
    return Run();
  }

  // The geometry of each row, in row order, told apart by the colour commands.
  std::vector<std::vector<OutputItem>> RowsOf(const std::vector<OutputItem>& items) {
    std::vector<std::vector<OutputItem>> rows;
    for (const OutputItem& item : items) {
      if (item.text.rfind("lc", 0) == 0) rows.emplace_back();
      if (item.kind != Kind::Attribute) rows.back().push_back(item);
    }
    return rows;
  }
};

TEST_F(CornerOptions, ArcsOfEveryRowShareTheBaseFilletCentreWithRadiusRMinusST) {
  tq58_test::Sequence random(13);
  for (int trial = 0; trial < 60; ++trial) {
    const Generated path = TurningPath(random, trial % 3 == 0);
    SetUpPreset(path, kSpacings);
    const std::vector<std::vector<OutputItem>> rows = RowsOf(RunAfresh());
    ASSERT_EQ(rows.size(), kSpacings.size());
    const Points& p = path.points;
    const std::size_t corners = path.points.size() - (trial % 3 == 0 ? 1 : 2);
    const double tolerance = 1e-9 * 300 * path.unit;  // relative to the path's size
    for (std::size_t r = 0; r < rows.size(); ++r) {
      std::vector<OutputItem> arcs;
      std::copy_if(rows[r].begin(), rows[r].end(), std::back_inserter(arcs),
                   [](const OutputItem& item) { return item.kind == Kind::Arc; });
      ASSERT_EQ(arcs.size(), corners) << "trial " << trial << " row " << r;
      for (std::size_t c = 0; c < corners; ++c) {
        // Arc c belongs to point c + 1; the closing corner's (point 0) comes last.
        const std::size_t at = (c + 1) % (p.size() - 1);
        const std::size_t before = at == 0 ? p.size() - 2 : at - 1;
        const double R = kBaseRadius * path.unit;
        const auto [cx, cy] = BaseFilletCentre(p, before, at, at + 1, R);
        const double s = kSpacings[r] * path.unit;
        EXPECT_NEAR(arcs[c].values[0], cx, tolerance) << "trial " << trial << " corner " << c;
        EXPECT_NEAR(arcs[c].values[1], cy, tolerance) << "trial " << trial << " corner " << c;
        EXPECT_NEAR(arcs[c].values[2], R - s * Turn(p, before, at, at + 1), tolerance);
      }
    }
  }
}

double Distance(double x1, double y1, double x2, double y2) { return std::hypot(x2 - x1, y2 - y1); }

// Distance of (x, y) from a drawn segment or arc.
double DistanceFrom(const OutputItem& item, double x, double y) {
  const std::vector<double>& v = item.values;
  if (item.kind == Kind::Segment) {
    const double dx = v[2] - v[0], dy = v[3] - v[1];
    const double t =
        std::clamp(((x - v[0]) * dx + (y - v[1]) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return Distance(x, y, v[0] + t * dx, v[1] + t * dy);
  }
  const double angle = std::atan2(y - v[1], x - v[0]) * 180 / kPi;
  const double sweep = std::fmod(v[4] - v[3] + 720, 360);
  if (std::fmod(angle - v[3] + 720, 360) <= sweep)
    return std::fabs(Distance(x, y, v[0], v[1]) - v[2]);
  const auto end = [&](double degrees) {
    return Distance(x, y, v[0] + v[2] * std::cos(degrees * kPi / 180),
                    v[1] + v[2] * std::sin(degrees * kPi / 180));
  };
  return std::min(end(v[3]), end(v[4]));
}

// The ends and the middle of a drawn segment or arc.
std::vector<std::pair<double, double>> SamplePoints(const OutputItem& item) {
  const std::vector<double>& v = item.values;
  if (item.kind == Kind::Segment) {
    return {{v[0], v[1]}, {(v[0] + v[2]) / 2, (v[1] + v[3]) / 2}, {v[2], v[3]}};
  }
  std::vector<std::pair<double, double>> points;
  const double sweep = std::fmod(v[4] - v[3] + 720, 360);
  for (const double degrees : {v[3], v[3] + sweep / 2, v[4]}) {
    points.emplace_back(v[0] + v[2] * std::cos(degrees * kPi / 180),
                        v[1] + v[2] * std::sin(degrees * kPi / 180));
  }
  return points;
}

TEST_F(CornerOptions, EveryRowKeepsItsDistanceFromTheCentreRowAlongTheWholePath) {
  tq58_test::Sequence random(14);
  const std::size_t centreRow = 2;  // spacing 0
  for (int trial = 0; trial < 60; ++trial) {
    const Generated path = TurningPath(random, trial % 3 == 0);
    SetUpPreset(path, kSpacings);
    const std::vector<std::vector<OutputItem>> rows = RowsOf(RunAfresh());
    ASSERT_EQ(rows.size(), kSpacings.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
      for (const OutputItem& item : rows[r]) {
        for (const auto& [x, y] : SamplePoints(item)) {
          double nearest = INFINITY;
          for (const OutputItem& c : rows[centreRow])
            nearest = std::min(nearest, DistanceFrom(c, x, y));
          EXPECT_NEAR(nearest, std::fabs(kSpacings[r]) * path.unit, 1e-9 * 300 * path.unit)
              << "trial " << trial << " row " << r << ": " << item.text;
        }
      }
    }
  }
}

// The first point of a row's first segment and the last point of its last segment.
std::pair<std::vector<double>, std::vector<double>> RowEnds(const std::vector<OutputItem>& row) {
  const std::vector<double>& first = row.front().values;
  const std::vector<double>& last = row.back().values;
  return {{first[0], first[1]}, {last[2], last[3]}};
}

void ExpectCapJoins(const OutputItem& cap, CapStyle style, const std::vector<double>& from,
                    const std::vector<double>& to, double bulgeX, double bulgeY, double tolerance) {
  if (style == CapStyle::Line) {
    ASSERT_EQ(cap.kind, Kind::Segment) << cap.text;
    EXPECT_EQ(cap.values, (std::vector<double>{from[0], from[1], to[0], to[1]}));
    return;
  }
  ASSERT_EQ(cap.kind, Kind::Arc) << cap.text;
  const std::vector<std::pair<double, double>> arc = SamplePoints(cap);  // from, middle, to
  EXPECT_NEAR(arc[0].first, from[0], tolerance) << cap.text;
  EXPECT_NEAR(arc[0].second, from[1], tolerance) << cap.text;
  EXPECT_NEAR(arc[2].first, to[0], tolerance) << cap.text;
  EXPECT_NEAR(arc[2].second, to[1], tolerance) << cap.text;
  EXPECT_NEAR(cap.values[2], Distance(from[0], from[1], to[0], to[1]) / 2, tolerance);
  // A half circle, its middle away from the path.
  EXPECT_NEAR(std::fmod(cap.values[4] - cap.values[3] + 720, 360), 180, 1e-9) << cap.text;
  EXPECT_GT((arc[1].first - cap.values[0]) * bulgeX + (arc[1].second - cap.values[1]) * bulgeY, 0)
      << cap.text;
}

TEST_F(CornerOptions, CapsJoinExactlyTheEndsOfTheOutermostRowsInTheLargestRowsAttributes) {
  tq58_test::Sequence random(15);
  for (int trial = 0; trial < 40; ++trial) {
    const Generated path = TurningPath(random, false);
    // The row with the largest spacing anywhere in the preset, not only last.
    std::vector<double> spacings = kSpacings;
    std::rotate(spacings.begin(), spacings.begin() + trial % 5, spacings.end());
    SetUpPreset(path, spacings);
    const std::vector<OutputItem> plain = RunAfresh();
    const std::vector<std::vector<OutputItem>> rows = RowsOf(plain);

    const CapStyle start = trial % 2 == 0 ? CapStyle::Line : CapStyle::Arc;
    const CapStyle end = trial % 4 < 2 ? CapStyle::Arc : CapStyle::Line;
    store.Preset(1).Options.StartCap = start;
    store.Preset(1).Options.EndCap = end;
    const std::vector<OutputItem> capped = RunAfresh();

    // The caps follow the rows, after the largest row's colour unless it is still current.
    const std::size_t largest = static_cast<std::size_t>(
        std::max_element(spacings.begin(), spacings.end()) - spacings.begin());
    const std::size_t smallest = static_cast<std::size_t>(
        std::min_element(spacings.begin(), spacings.end()) - spacings.begin());
    const std::size_t colourLines = largest + 1 == spacings.size() ? 0 : 1;
    ASSERT_EQ(capped.size(), plain.size() + colourLines + 2) << "trial " << trial;
    for (std::size_t i = 0; i < plain.size(); ++i) EXPECT_EQ(capped[i].text, plain[i].text);
    if (colourLines == 1) {
      EXPECT_EQ(capped[plain.size()].text, "lc" + std::to_string(largest + 1));
    }

    const auto [largestStart, largestEnd] = RowEnds(rows[largest]);
    const auto [smallestStart, smallestEnd] = RowEnds(rows[smallest]);
    const Points& p = path.points;
    const std::size_t n = p.size();
    const double tolerance = 1e-9 * 300 * path.unit;
    const OutputItem& startCap = capped[capped.size() - 2];
    const OutputItem& endCap = capped.back();
    // Backwards at the start, from the largest spacing's end; forwards at the end, to it.
    ExpectCapJoins(startCap, start, largestStart, smallestStart, p[0].first - p[1].first,
                   p[0].second - p[1].second, tolerance);
    ExpectCapJoins(endCap, end, smallestEnd, largestEnd, p[n - 1].first - p[n - 2].first,
                   p[n - 1].second - p[n - 2].second, tolerance);
  }
}

struct NoCapCase {
  const char* name;
  Points points;
  std::vector<double> spacings;
};

void PrintTo(const NoCapCase& c, std::ostream* out) { *out << c.name; }

class NoCaps : public CornerOptions, public ::testing::WithParamInterface<NoCapCase> {};

TEST_P(NoCaps, WhereThereIsNoOpenEndBetweenTwoSpacings) {
  const NoCapCase& c = GetParam();
  SetUpPreset({c.points, 1.0}, c.spacings);
  RunAfresh();
  const std::vector<std::string> plain = writer.OutputLines;
  store.Preset(1).Options.StartCap = CapStyle::Arc;
  store.Preset(1).Options.EndCap = CapStyle::Line;
  RunAfresh();
  EXPECT_EQ(writer.OutputLines, plain);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, NoCaps,
    ::testing::Values(NoCapCase{"ClosedPath", {{0, 0}, {500, 0}, {0, 500}, {0, 0}}, {-3, 3}},
                      NoCapCase{"OneSpacingTwice", {{0, 0}, {500, 0}, {0, 500}}, {2, 2}},
                      NoCapCase{"OneRow", {{0, 0}, {500, 0}}, {2}},
                      NoCapCase{"OnePoint", {{0, 0}}, {-3, 3}}),
    [](const auto& info) { return std::string(info.param.name); });

// Where every corner of a row gets one radius, concentric corners draw what the row's own
// radius draws.
struct SameAsPerRowCase {
  const char* name;
  Points points;
  double baseRadius;
  bool paperSize;                               // at a layer-group scale of 50
  std::vector<std::pair<double, double>> rows;  // spacing, the radius it gets
};

void PrintTo(const SameAsPerRowCase& c, std::ostream* out) { *out << c.name; }

class SameAsPerRow : public MultiLineTest,
                     public ::testing::WithParamInterface<SameAsPerRowCase> {};

TEST_P(SameAsPerRow, WhereEachRowHasOneRadius) {
  const SameAsPerRowCase& c = GetParam();
  model.LayerGroupScale[0] = 50;
  SetPoints(c.points);
  for (std::size_t i = 0; i < c.rows.size(); ++i) {
    DrawRow(static_cast<int>(i + 1), c.rows[i].first, c.rows[i].second);
  }
  Run();
  const std::vector<std::string> perRow = writer.OutputLines;
  for (std::size_t i = 0; i < c.rows.size(); ++i)
    DrawRow(static_cast<int>(i + 1), c.rows[i].first, 99);
  store.Preset(1).Options = {CornerMode::Concentric, c.baseRadius, c.paperSize};
  writer = {};
  JwwGaibu::ResetWriterState(writer);
  Run();
  EXPECT_EQ(writer.OutputLines, perRow);
}

const Points kCounterclockwise = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}};
const Points kClockwise = {{0, 0}, {0, 10}, {10, 10}, {10, 0}, {0, 0}};

INSTANTIATE_TEST_SUITE_P(
    Paths, SameAsPerRow,
    ::testing::Values(
        SameAsPerRowCase{"LeftTurnsTakeTheSpacing", kCounterclockwise, 3, false, {{1, 2}, {-1, 4}}},
        SameAsPerRowCase{"RightTurnsAddIt", kClockwise, 3, false, {{1, 4}, {-1, 2}}},
        SameAsPerRowCase{"BeyondTheCentreIsSharp", kCounterclockwise, 2, false, {{3, 0}, {2, 0}}},
        SameAsPerRowCase{"PaperSizeBaseRadius", kCounterclockwise, 0.06, true, {{1, 2}}},
        SameAsPerRowCase{"NoTurnTakesTheBaseRadius",
                         {{0, 0}, {10, 0}, {20, 0}, {14, 0}},
                         1,
                         false,
                         {{1, 1}, {-1, 1}}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tq58
