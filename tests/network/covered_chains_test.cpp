// Chains that nearly follow a street, judged by the bands as drawn: one whose band stands out of
// the street's by a sliver adds nothing, one that stands out further draws its part outside,
// wherever it meets the street; outlines that meet at a glancing angle keep the rows that lie
// outside; a loop smaller than its band draws no ring turned inside out, rounded or not.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "geometry/vector2.h"
#include "network/junction_network.h"
#include "network/network_fixture.h"
#include "support/sequence.h"
#include "support/winding_model.h"

namespace tq58 {
namespace {

using namespace network_fixture;
using geometry::PointDistance;

// Rows at -w (colour 2), 0 (colour 3) and w (colour 1), each rounded with `radius`.
TLineTable ThreeRows(double w, double radius) {
  TLineTable table;
  table.Lines[0] = {true, w, radius, false, 1, 0, -1};
  table.Lines[1] = {true, -w, radius, false, 2, 0, -1};
  table.Lines[2] = {true, 0, radius, false, 3, 0, -1};
  return table;
}

// Whether a drawn piece of one of `colours` passes within 1e-6 of p.
bool Drawn(const MultiLine& lines, PointD p, std::vector<int> colours) {
  for (const Piece& piece : Pieces(lines)) {
    if (std::find(colours.begin(), colours.end(), piece.colour) != colours.end() &&
        PointDistance(piece.trace.NearestPoint(p), p) < 1e-6)
      return true;
  }
  return false;
}

// A street 200 long through o (split there or not) and a chain leaving it at 0.01 to 3 degrees,
// from o or from up to half a band's width beside it: the chain adds nothing where its band
// stands out of the street's by at most a tenth of the half-width, and draws its outer row
// where it stands out by more than a fifth of it; either way, whichever of the two comes first.
TEST(CoveredChains, AChainAddsNothingWhereItsBandStandsOutOfTheOthersByASliver) {
  tq58_test::Sequence r(33);
  int covered = 0, kept = 0;
  for (int trial = 0; trial < 300; ++trial) {
    const double w = 2 + 4 * r.Unit(), heading = 2 * kPi * r.Unit();
    const PointD o{50 * r.Signed(), 50 * r.Signed()}, across = Along({}, heading + kPi / 2, 1);
    const double offset = r.Below(3) == 0 ? 0.0 : 0.5 * w * r.Signed();
    const double angle =
        (r.Below(2) ? 1 : -1) * std::pow(10.0, -2 + std::log10(300.0) * r.Unit()) * kPi / 180;
    const double length = 40 + 50 * r.Unit();
    const double standsOut =
        std::max(std::fabs(offset), std::fabs(offset + length * std::sin(angle)));
    if (standsOut > 0.1 * w && standsOut < 0.2 * w) continue;
    const PointD start = geometry::Plus(o, across, offset);
    const BasePath chain = Line(start, Along(start, heading + angle, length));
    std::vector<BasePath> street = {Line(Along(o, heading, -100), Along(o, heading, 100))};
    if (offset == 0 && r.Below(2))
      street = {Line(street[0].points[0], o), Line(o, street[0].points[1])};
    const TLineTable table = ThreeRows(w, w * r.Unit());
    const std::vector<std::string> alone = Drawing(BuildJunctionNetwork(street, table, 1.0));
    std::vector<BasePath> both = street;
    both.insert(r.Below(2) ? both.begin() : both.end(), chain);
    const MultiLine drawn = BuildJunctionNetwork(both, table, 1.0);
    if (standsOut <= 0.1 * w) {
      ++covered;
      EXPECT_EQ(Drawing(drawn), alone) << "trial " << trial << ": stands out " << standsOut;
      continue;
    }
    ++kept;
    // The chain's outer row where it stands out most: near its start or most of the way along.
    const double at = std::fabs(offset) > std::fabs(offset + length * std::sin(angle)) ? 0.1 : 0.8;
    const double lateral = offset + at * length * std::sin(angle);
    if (std::fabs(lateral) < 0.1 * w) continue;
    const PointD row =
        geometry::Plus(Along(start, heading + angle, at * length),
                       Along({}, heading + angle + kPi / 2, 1), lateral > 0 ? w : -w);
    EXPECT_TRUE(Drawn(drawn, row, {1, 2})) << "trial " << trial << ": stands out " << standsOut;
  }
  EXPECT_GT(covered, 50);
  EXPECT_GT(kept, 50);
}

// A street folding back to end 1e-3 to 10 beside its start: each half's band lies partly
// outside the other's, and its outer row there is drawn whole.
TEST(CoveredChains, GlancingOutlinesKeepTheRowsOutsideEachOther) {
  const TLineTable table = ThreeRows(2000, 1000);  // outlives the drawing, which points into it
  for (const double d : {1e-3, 1e-2, 0.1, 1.0, 10.0}) {
    const MultiLine drawn =
        BuildJunctionNetwork({BasePath{{{0, 0}, {25000, 0}, {0, d}}, false, {}}}, table, 1.0);
    for (double x = 100; x < 25000; x += 100) {
      EXPECT_TRUE(Drawn(drawn, {x, -2000}, {1, 2})) << "d " << d << ", south row at " << x;
      const double north = d * (1 - x / 25000) + 2000 / std::cos(std::atan(d / 25000));
      EXPECT_TRUE(Drawn(drawn, {x, north}, {1, 2})) << "d " << d << ", north row at " << x;
    }
  }
}

// A closed polygon of 3 to 8 sides narrower than its band: its rows on the inner side would
// turn inside out, and none of them may be drawn inside the loop, sharp or rounded.
TEST(CoveredChains, ALoopSmallerThanItsBandDrawsNothingInsideIt) {
  tq58_test::Sequence r(34);
  for (int trial = 0; trial < 120; ++trial) {
    const double w = 5, size = w * (0.3 + 0.5 * r.Unit());
    BasePath loop{{}, true, {}};
    const int corners = 3 + static_cast<int>(r.Below(6));
    for (int k = 0; k <= corners; ++k) {
      const double at = 2 * kPi * (k % corners + 0.3 * r.Unit()) / corners;
      loop.points.push_back(Along({}, at, size * (0.7 + 0.3 * r.Unit())));
    }
    loop.points.back() = loop.points.front();
    const double radius = trial % 2 == 0 ? 0.0 : w * r.Unit();
    std::vector<Curve> sides;
    for (int v = 0; v < corners; ++v)
      sides.push_back(Curve::Segment(loop.points[v], loop.points[v + 1]));
    for (const Piece& piece : Pieces(BuildJunctionNetwork({loop}, ThreeRows(w, radius), 1.0))) {
      if (piece.colour == 3) continue;
      for (int k = 0; k <= 8; ++k) {
        const PointD p = piece.trace.At(piece.trace.Length() * k / 8);
        const bool onLoop = std::any_of(sides.begin(), sides.end(), [&](const Curve& side) {
          return PointDistance(side.NearestPoint(p), p) < 1e-6;
        });
        EXPECT_TRUE(onLoop || tq58_test::WindingOf(sides, p) == 0)
            << "trial " << trial << ": a row inside the loop at " << p.x << " " << p.y;
      }
    }
  }
}

}  // namespace
}  // namespace tq58
