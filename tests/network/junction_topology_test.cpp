// The bands that ArrangeJunctions hands the network: how many, how long, and what each end
// meets (free, a junction, a seam, or a stem on so many through bands), for junctions of
// arms drawn apart or passing, folds, a band that comes back to its own junction, and streets
// drawn twice.
#include "network/junction_topology.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "path/path_edit.h"
#include "support/sequence.h"

namespace tq58 {
namespace {

BasePath Polyline(std::vector<PointD> points) { return BasePath{std::move(points), false, {}}; }

// A chain from the origin 100 long at `degrees`.
BasePath Arm(double degrees) {
  const double a = degrees * std::numbers::pi / 180;
  return Polyline({{0, 0}, {100 * std::cos(a), 100 * std::sin(a)}});
}

std::string EndCode(const BandEnd& end) {
  if (end.seam) return "s";
  if (!end.junction) return "f";
  return end.throughs.empty() ? "j" : "t" + std::to_string(end.throughs.size());
}

double Distance(const BasePath& path, PointD p) {
  double d = 1e300;
  for (std::size_t k = 0; k + 1 < path.points.size(); ++k) {
    d = std::min(d, geometry::PointDistance(BaseCurve(path, k).NearestPoint(p), p));
  }
  return d;
}

// Each band as its length (measured piece by piece) and its two end codes in sorted order, the
// bands sorted: independent of the order and direction in which they come. Only a junction end
// names bands, other than its own, each once and in order, each running through the end.
std::vector<std::string> Summary(const std::vector<BasePath>& chains) {
  std::vector<std::string> bands;
  TLineTable table;  // rows at -5 and 5, sharp
  table.Lines[0] = {true, -5, 0, false, 1, 0, -1};
  table.Lines[1] = {true, 5, 0, false, 1, 0, -1};
  const std::vector<NetworkBand> arranged =
      ArrangeJunctions(chains, BandDrawer(table, 1.0, SpacingsOf(table, 1.0), 1e-6));
  for (std::size_t b = 0; b < arranged.size(); ++b) {
    const NetworkBand& band = arranged[b];
    for (const bool atEnd : {false, true}) {
      const BandEnd& end = atEnd ? band.end : band.start;
      const std::vector<std::size_t>& t = end.throughs;
      EXPECT_TRUE(t.empty() || (end.junction && !end.seam));
      EXPECT_EQ(std::adjacent_find(t.begin(), t.end(), std::greater_equal<>()), t.end());
      EXPECT_EQ(std::count(t.begin(), t.end(), b), 0);
      for (const std::size_t through : t) {
        const PointD p = atEnd ? band.path.points.back() : band.path.points.front();
        EXPECT_LT(Distance(arranged.at(through).path, p), 1e-6);
      }
    }
    double length = 0;
    for (std::size_t k = 0; k + 1 < band.path.points.size(); ++k) {
      length += geometry::PointDistance(band.path.points[k], band.path.points[k + 1]);
    }
    std::string first = EndCode(band.start), second = EndCode(band.end);
    if (band.path.closed) first = second = "o";
    bands.push_back(std::to_string(std::lround(length)) + " " + std::min(first, second) + " " +
                    std::max(first, second));
  }
  std::sort(bands.begin(), bands.end());
  return bands;
}

struct Case {
  const char* name;
  std::vector<BasePath> chains;
  std::vector<std::string> bands;
};

TEST(JunctionTopology, ArmsPairWithinTheAngleClosestFirstEachOnce) {
  const double bend = 40 * std::numbers::pi / 180;
  const std::vector<Case> cases = {
      {"X as four arms", {Arm(0), Arm(90), Arm(180), Arm(270)}, {"200 f f", "200 f f"}},
      {"X bent 0.01 degrees", {Arm(0), Arm(90.01), Arm(180), Arm(270)}, {"200 f f", "200 f f"}},
      {"X as two passing chains",
       {Polyline({{-100, 0}, {100, 0}}), Polyline({{0, -100}, {0, 100}})},
       {"200 f f", "200 f f"}},
      {"symmetric Y", {Arm(90), Arm(210), Arm(330)}, {"100 f j", "100 f j", "100 f j"}},
      {"an arm between two as close",
       {Arm(0), Arm(175), Arm(185)},
       {"100 f j", "100 f j", "100 f j"}},
      {"Y of the sample", {Arm(180), Arm(15), Arm(-60)}, {"100 f t1", "200 f f"}},
      {"five arms, two pairs",
       {Arm(0), Arm(190), Arm(60), Arm(255), Arm(120)},
       {"100 f t2", "200 f f", "200 f f"}},
      {"a bent passage runs on",
       {Polyline({{-100, 0}, {0, 0}, {100 * std::cos(bend), 100 * std::sin(bend)}}), Arm(290)},
       {"100 f t1", "200 f f"}},
      {"two ends at a right angle", {Arm(0), Arm(90)}, {"200 f f"}},
      {"two ends folding back", {Arm(0), Arm(20)}, {"100 f j", "100 f j"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Summary(c.chains), c.bands) << c.name;
}

// A chain that turns back by more than 120 degrees is split there into two that meet as
// junction ends; a closed one is opened there; by less it turns a corner.
TEST(JunctionTopology, AChainFoldsWhereItTurnsBackByMoreThanTheFoldAngle) {
  const double a = 110 * std::numbers::pi / 180;
  EXPECT_EQ(Summary({Polyline({{-100, 0}, {0, 0}, {-100, 30}})}),
            (std::vector<std::string>{"100 f j", "104 f j"}));
  BasePath triangle = Polyline({{0, 0}, {100, 0}, {0, 30}, {0, 0}});
  triangle.closed = true;
  // Opened, both its ends meet at the fold: it comes back to its own junction (below), and is
  // split halfway round.
  EXPECT_EQ(Summary({triangle}), (std::vector<std::string>{"117 j s", "117 j s"}));
  EXPECT_EQ(Summary({Polyline({{-100, 0}, {0, 0}, {100 * std::cos(a), 100 * std::sin(a)}})}),
            (std::vector<std::string>{"200 f f"}));
}

// A street S ending in a turning loop L: S runs on straight into L, and the band comes back to
// its own junction, so it is split halfway round L, but clear of the corner there (its rows
// reach 5.5 along the sides); the rest ends there as a stem on it. The same whether the loop
// is a chain of its own or S and L are one chain.
TEST(JunctionTopology, ABandThatComesBackToItsJunctionIsSplitAtASeam) {
  const std::vector<PointD> loop = {{0, 0}, {50, 0}, {50, 50}, {0, 50}, {0, 0}};
  const std::vector<std::string> bands = {"206 f s", "95 s t1"};
  EXPECT_EQ(Summary({Polyline({{-100, 0}, {0, 0}}), Polyline(loop)}), bands);
  std::vector<PointD> lollipop = {{-100, 0}};
  lollipop.insert(lollipop.end(), loop.begin(), loop.end());
  EXPECT_EQ(Summary({Polyline(lollipop)}), bands);
  BasePath second = Polyline(lollipop);
  for (PointD& p : second.points) p.y += 100;
  EXPECT_EQ(Summary({Polyline(lollipop), second}),
            (std::vector<std::string>{"206 f s", "206 f s", "95 s t1", "95 s t1"}));
  // Both ends of the loop at the stem's junction, the stem pairing with neither.
  EXPECT_EQ(Summary({Arm(225), Polyline(loop)}),
            (std::vector<std::string>{"100 f j", "106 j s", "95 j s"}));
}

// A stretch of a chain along an earlier one is drawn once: the rest of the later chain ends on
// the earlier, running on from its end or as a stem on it.
TEST(JunctionTopology, CentreLinesDrawnTwiceCountOnce) {
  const BasePath street = Polyline({{0, 0}, {200, 0}});
  const std::vector<Case> cases = {
      {"the same street twice", {street, street}, {"200 f f"}},
      {"the other way round", {street, Reversed(street)}, {"200 f f"}},
      {"running on beyond its end", {street, Polyline({{50, 0}, {300, 0}})}, {"300 f f"}},
      {"turning off from its middle",
       {street, Polyline({{50, 0}, {150, 0}, {150, 100}})},
       {"100 f t1", "200 f f"}},
      {"a chain back over itself", {Polyline({{0, 0}, {200, 0}, {100, 0}})}, {"200 f f"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Summary(c.chains), c.bands) << c.name;
}

// Over random arms and passing chains at three points, the stems' bands as Summary checks them.
TEST(JunctionTopology, StemsNameOtherBandsThroughTheirEndsEachOnce) {
  tq58_test::Sequence r(3);
  for (int trial = 0; trial < 300; ++trial) {
    std::vector<BasePath> chains;
    for (int k = 0, n = 2 + static_cast<int>(r.Below(7)); k < n; ++k) {
      const PointD at{50.0 * static_cast<double>(r.Below(3)), 0};
      const PointD d = Arm(360 * r.Unit()).points.back();
      chains.push_back(r.Below(3) ? Polyline({at, {at.x + d.x, d.y}})
                                  : Polyline({{at.x - d.x, -d.y}, at, {at.x + d.x, d.y}}));
    }
    Summary(chains);
  }
}

}  // namespace
}  // namespace tq58
