// Junctions cleaned over generated networks of streets: crossings at random angles, stems
// ending on streets, three and four ends meeting with a through pair, overshooting grids,
// streets with curves: with a mirror-symmetric preset the same drawing whatever the order and
// direction of the chains. Then a right-angle T and X to the byte.
#include "network/junction_network.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "drawing/row_writer.h"
#include "exchange/writer.h"
#include "geometry/vector2.h"
#include "network/junction_topology.h"
#include "network/network_fixture.h"
#include "path/path_edit.h"
#include "rows/construction.h"
#include "support/sequence.h"
#include "util/overloaded.h"

namespace tq58 {
namespace {

using namespace network_fixture;

// A network: its chains, the band each belongs to (two chains of one band are joined where
// they meet) and the chain ends that meet nothing.
struct Network {
  std::vector<BasePath> chains;
  std::vector<int> band;
  std::vector<PointD> freeEnds;
  double halfWidth = 0.0;

  void Add(const BasePath& path, int id, bool startFree, bool endFree) {
    chains.push_back(path);
    band.push_back(id);
    if (startFree) freeEnds.push_back(path.points.front());
    if (endFree) freeEnds.push_back(path.points.back());
  }

  // The distance from p to the nearest centre line, but that of chain `except`.
  double Distance(PointD p, std::size_t except = static_cast<std::size_t>(-1)) const {
    double d = 1e300;
    for (std::size_t c = 0; c < chains.size(); ++c) {
      if (c == except) continue;
      const BasePath& path = chains[c];
      for (std::size_t k = 0; k + 1 < path.points.size(); ++k) {
        const Curve t = BaseCurve(path, k);
        d = std::min(d, geometry::PointDistance(t.At(std::clamp(t.Along(p), 0.0, t.Length())), p));
      }
    }
    return d;
  }
};

Network Generate(tq58_test::Sequence& r, bool anyPair);

// A network whose free ends lie clear of every other chain, so that none is moved.
Network GenerateClear(tq58_test::Sequence& r, bool anyPair = false) {
  for (;;) {
    Network n = Generate(r, anyPair);
    bool clear = true;
    for (std::size_t c = 0; c < n.chains.size(); ++c) {
      for (const PointD end : {n.chains[c].points.front(), n.chains[c].points.back()}) {
        const bool free =
            std::any_of(n.freeEnds.begin(), n.freeEnds.end(), [&](PointD f) { return f == end; });
        clear = clear && (!free || n.Distance(end, c) > 3 * n.halfWidth);
      }
    }
    if (clear) return n;
  }
}

Network Generate(tq58_test::Sequence& r, bool anyPair) {
  Network n;
  n.halfWidth = 3 + 3 * r.Unit();
  const double w = n.halfWidth;
  int id = 0;
  if (r.Below(4) == 0) {
    // A grid of three axes each way, each overshooting the outer ones by less than w / 2.
    const double spacing = 50 + 30 * r.Unit();
    for (int i = 0; i < 3; ++i) {
      const double at = spacing * i, over = w * (0.05 + 0.4 * r.Unit());
      const bool outer = i != 1;
      n.Add(Line({-over, at}, {2 * spacing + over, at}), outer ? 0 : ++id, false, false);
      n.Add(Line({at, -over}, {at, 2 * spacing + over}), outer ? 0 : ++id, false, false);
    }
    return n;
  }
  const auto clear = [&](PointD p) { return n.chains.empty() || n.Distance(p) > 3 * w; };
  for (int s = 0, streets = 2 + static_cast<int>(r.Below(3)); s < streets; ++s) {
    const BasePath street = Street(r, {100 * r.Signed(), 100 * r.Signed()});
    if (clear(street.points.front()) && clear(street.points.back()))
      n.Add(street, id++, true, true);
  }
  // Stems ending on a straight piece of a street, at 35 to 145 degrees to it.
  const std::size_t streets = n.chains.size();
  for (int s = 0, stems = static_cast<int>(r.Below(4)); s < stems && streets > 0; ++s) {
    const std::size_t on = r.Below(streets);
    const BasePath& street = n.chains[on];
    // On its first piece, straight, or on its curve.
    PointD at;
    double along = 0;
    if (const Curve* arc = PathArc(street, 1); arc != nullptr && r.Below(2)) {
      const Curve::Degrees deg = *arc->degrees;
      const double sweep = std::fmod(deg.end - deg.start + 720, 360);
      const double angle = (deg.start + (0.2 + 0.6 * r.Unit()) * sweep) * kPi / 180;
      at = Along(arc->centre, angle, arc->radius);
      along = angle + kPi / 2;
    } else {
      const PointD a = street.points[0], b = street.points[1];
      const double t = 0.3 + 0.4 * r.Unit();
      at = {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
      along = std::atan2(b.y - a.y, b.x - a.x);
    }
    const double angle = along + (r.Below(2) ? 1 : -1) * (kPi / 180) * (35 + 110 * r.Unit());
    const PointD from = Along(at, angle, 40 + 80 * r.Unit());
    if (!clear(from) || n.Distance(at, on) < 4 * w) continue;
    const bool inward = r.Below(2) == 0;
    n.Add(inward ? Line(from, at) : Line(at, from), id++, inward, !inward);
  }
  // Three or four arms at one point: a through pair bent by up to 15 degrees, and stems at
  // least 10 degrees further from opposite; the through pair two chains that end there, or one
  // that passes. With `anyPair`, one that passes may bend by 80 degrees where a stem runs on
  // nearly straight from one of its sides, which then pairs with it.
  for (int s = 0, nodes = static_cast<int>(r.Below(3)); s < nodes; ++s) {
    const PointD q{150 * r.Signed(), 150 * r.Signed()};
    if (!clear(q)) continue;
    const bool passing = r.Below(3) == 0, sidePair = anyPair && passing && r.Below(2);
    const double theta = 2 * kPi * r.Unit();
    const double bend = sidePair ? kPi * 4 / 9 : (kPi / 12) * r.Signed();
    std::vector<std::pair<double, int>> arms = {{theta, id}, {theta + kPi - bend, id}};
    const double g1 = (kPi / 180) * 35 * r.Signed();
    double g2 = g1 + (std::fabs(bend) + kPi / 18) * (r.Below(2) ? 1 : -1);
    arms.push_back(
        {sidePair ? theta + kPi + (kPi / 36) * r.Signed() : theta + kPi / 2 + g1, id + 1});
    if (!sidePair && r.Below(2) && std::fabs(g2) < kPi / 4) {
      arms.push_back({theta - kPi / 2 + g2, id + 2});
    }
    id += 3;
    std::vector<PointD> ends;
    for (const auto& arm : arms) ends.push_back(Along(q, arm.first, 60 + 60 * r.Unit()));
    if (!std::all_of(ends.begin(), ends.end(), clear)) continue;
    std::size_t a = 0;
    if (passing) {
      n.Add(BasePath{{ends[0], q, ends[1]}, false, {}}, arms[0].second, true, true);
      a = 2;
    }
    for (; a < arms.size(); ++a) {
      const PointD end = ends[a];
      const int band = arms[a].second;
      if (r.Below(2)) {
        n.Add(Line(q, end), band, false, true);
      } else {
        n.Add(Line(end, q), band, true, false);
      }
    }
  }
  return n;
}

// Rows at -w and w (the outer rows, colours 1 and 2), one or two inner rows, random radii.
TLineTable Preset(tq58_test::Sequence& r, double w, bool symmetric) {
  TLineTable table;
  const double radius = 4 * r.Unit();
  table.Lines[0] = {true, w, radius, false, 1, 0, -1};
  table.Lines[1] = {true, -w, symmetric ? radius : 4 * r.Unit(), false, symmetric ? 1 : 2, 0, -1};
  table.Lines[2] = {true, symmetric ? 0.0 : w * r.Signed(), 0, false, 3, 0, -1};
  if (symmetric) {
    table.Lines[3] = {true, w / 2, 1, false, 4, 0, -1};
    table.Lines[4] = {true, -w / 2, 1, false, 4, 0, -1};
  }
  table.Options.Corners = r.Below(2) ? CornerMode::Concentric : CornerMode::PerRow;
  table.Options.BaseRadius = 3 * w * r.Unit();
  return table;
}

TEST(JunctionNetwork, AMirrorSymmetricPresetDrawsTheSameWhateverTheOrderAndDirection) {
  tq58_test::Sequence r(5858);
  for (int trial = 0; trial < 300; ++trial) {
    Network n = GenerateClear(r, true);
    TLineTable table = Preset(r, n.halfWidth, true);
    table.Options.StartCap = table.Options.EndCap = static_cast<CapStyle>(r.Below(3));
    const std::vector<std::string> first = Drawing(BuildJunctionNetwork(n.chains, table, 1.0));
    for (std::size_t i = n.chains.size(); i > 1; --i) {
      std::swap(n.chains[i - 1], n.chains[r.Below(i)]);
    }
    for (BasePath& chain : n.chains) {
      if (r.Below(2)) chain = Reversed(chain);
    }
    EXPECT_EQ(Drawing(BuildJunctionNetwork(n.chains, table, 1.0)), first) << "trial " << trial;
  }
}

TEST(JunctionNetwork, TwoStreetsCrossingDrawTheSameWholeOrAsFourArmsFromTheCrossing) {
  TLineTable table;
  table.Lines[0] = {true, 4, 2, false, 1, 0, -1};
  table.Lines[1] = {true, -4, 2, false, 1, 0, -1};
  table.Lines[2] = {true, 0, 0, false, 2, 0, -1};
  for (const double angle : {kPi / 2, kPi / 3, 0.4}) {
    const PointD centre{10, -20}, a = Along(centre, angle, 60), b = Along(centre, angle, -60);
    const std::vector<BasePath> whole = {Line({-50, -20}, {70, -20}), Line(b, a)};
    const std::vector<BasePath> arms = {Line(centre, {-50, -20}), Line({70, -20}, centre),
                                        Line(centre, a), Line(centre, b)};
    EXPECT_EQ(Drawing(BuildJunctionNetwork(arms, table, 1.0)),
              Drawing(BuildJunctionNetwork(whole, table, 1.0)))
        << angle;
  }
}

// A band of one row has no strip; rows beyond the drawing's range are no plan to clean.
TEST(JunctionNetwork, OneRowOrRowsOutOfRangeDrawEachChainWhole) {
  const std::vector<BasePath> tee = {Line({-50, 0}, {50, 0}), Line({-30, 40}, {5, 0})};
  TLineTable oneRow, outOfRange;
  oneRow.Lines[0] = {true, 3, 2, false, 1, 0, -1};
  outOfRange.Lines[0] = {true, 1e300, 2, false, 1, 0, -1};
  outOfRange.Lines[1] = {true, -4, 2, false, 1, 0, -1};
  for (const TLineTable& table : {oneRow, outOfRange}) {
    MultiLine apart;
    for (const BasePath& chain : tee) {
      const MultiLine lines = BuildMultiLine(chain, table, 1.0);
      apart.insert(apart.end(), lines.begin(), lines.end());
    }
    EXPECT_EQ(Drawing(BuildJunctionNetwork(tee, table, 1.0)), Drawing(apart));
  }
}

// Among many arms the through pairs are found without weighing every pair: the same pairs as
// going through all pairs within 20 degrees of opposite, closest first, each arm once, and none
// for an arm with two partners as close.
TEST(JunctionNetwork, ThroughPairsOfManyArmsAreThoseOfAllPairsClosestFirst) {
  tq58_test::Sequence r(9);
  for (int trial = 0; trial < 200; ++trial) {
    std::vector<PointD> arms;
    for (int k = 0, n = 17 + static_cast<int>(r.Below(40)); k < n; ++k) {
      const double angle = 2 * kPi * r.Unit();
      arms.push_back({std::cos(angle), std::sin(angle)});
    }
    if (r.Below(3) == 0) arms.push_back({-arms[3].x, -arms[3].y});  // exactly opposite
    if (r.Below(3) == 0) arms.push_back({-arms[3].x, -arms[3].y});  // a tie for arm 3
    std::vector<std::tuple<double, std::size_t, std::size_t>> all;
    for (std::size_t a = 0; a < arms.size(); ++a) {
      for (std::size_t b = a + 1; b < arms.size(); ++b) {
        const double off =
            kPi - std::atan2(std::fabs(Cross(arms[a], arms[b])), Dot(arms[a], arms[b]));
        if (off <= kPi / 9) all.push_back({off, a, b});
      }
    }
    std::sort(all.begin(), all.end());
    std::vector<bool> out(arms.size(), false);
    std::vector<std::pair<std::size_t, std::size_t>> expected;
    for (const auto& [off, a, b] : all) {
      if (out[a] || out[b]) continue;
      const double closeness = off;
      const auto tied = [&](std::size_t x, std::size_t y) {
        return std::any_of(all.begin(), all.end(), [&](const auto& other) {
          const auto& [off2, c, d] = other;
          const std::size_t partner = c == x ? d : d == x ? c : y;
          return partner != y && !out[partner] && std::fabs(off2 - closeness) < 1e-9;
        });
      };
      const bool tieA = tied(a, b), tieB = tied(b, a);
      out[a] = tieA || !tieB;
      out[b] = tieB || !tieA;
      if (!tieA && !tieB) expected.push_back({a, b});
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(ThroughPairs(arms), expected) << trial;
  }
}

std::vector<std::string> Written(const MultiLine& lines) {
  exchange::ExchangeModel model;
  exchange::WriterState writer;
  exchange::ResetWriterState(writer);
  WriteMultiLine(model, writer, lines);
  return writer.OutputLines;
}

// A two-row band 10 wide, row 1 (colour 1) on the left.
TLineTable TwoRows(double radius) {
  TLineTable table;
  table.Lines[0] = {true, 5, radius, false, 1, 0, -1};
  table.Lines[1] = {true, -5, radius, false, 2, 0, -1};
  return table;
}

TEST(JunctionNetwork, RightAngleTeeAndCrossToTheByte) {
  const BasePath street = Line({-50, 0}, {50, 0});
  EXPECT_EQ(Written(BuildJunctionNetwork({street, Line({0, -50}, {0, 0})}, TwoRows(0), 1.0)),
            (std::vector<std::string>{"lc1", "lt1", "-50 5 50 5", "lc2", "-50 -5 -5 -5",
                                      "5 -5 50 -5", "lc1", "-5 -50 -5 -5", "lc2", "5 -50 5 -5"}));
  EXPECT_EQ(Written(BuildJunctionNetwork({street, Line({0, -50}, {0, 50})}, TwoRows(0), 1.0)),
            (std::vector<std::string>{"lc1", "lt1", "-50 5 -5 5", "5 5 50 5", "lc2", "-50 -5 -5 -5",
                                      "5 -5 50 -5", "lc1", "-5 -50 -5 -5", "-5 5 -5 50", "lc2",
                                      "5 -50 5 -5", "5 5 5 50"}));
  // Rounded by the smaller radius, the arc in the row first counterclockwise round the corner.
  EXPECT_EQ(Written(BuildJunctionNetwork({street, Line({0, -50}, {0, 0})}, TwoRows(2), 1.0)),
            (std::vector<std::string>{"lc1", "lt1", "-50 5 50 5", "lc2", "-50 -5 -7 -5",
                                      "7 -5 50 -5", "ci -7 -7 2 0 90 1 0", "lc1", "-5 -50 -5 -7",
                                      "lc2", "5 -50 5 -7", "ci 7 -7 2 90 180 1 0"}));
}

// Five overlapping parallel streets: most of their rows are cut away whole, and a row that
// draws nothing writes no attributes either.
TEST(JunctionNetwork, ARowCutAwayWholeWritesNoAttributes) {
  TLineTable table;
  for (int k = 0; k < 3; ++k)
    table.Lines[static_cast<std::size_t>(k)] = {true, 4.0 * (k - 1), 0, false, k + 1, 0, -1};
  std::vector<BasePath> streets;
  for (int k = 0; k < 5; ++k) streets.push_back(Line({0, 1.0 * k}, {100, 1.0 * k}));
  const std::vector<std::string> lines = Written(BuildJunctionNetwork(streets, table, 1.0));
  const auto attribute = [](const std::string& line) { return line.rfind("l", 0) == 0; };
  EXPECT_LT(std::count_if(lines.begin(), lines.end(), attribute), 15);
  ASSERT_FALSE(lines.empty());
  EXPECT_FALSE(attribute(lines.back()));
  for (std::size_t k = 0; k + 1 < lines.size(); ++k) {
    EXPECT_FALSE(lines[k].rfind("lc", 0) == 0 && lines[k + 1].rfind("lc", 0) == 0) << k;
  }
}

}  // namespace
}  // namespace tq58
