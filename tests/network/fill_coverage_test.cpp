// A network's fill checked against the outline its drawn outer rows and corner arcs show, with
// no slack round the corners. The solids are read as the host would draw them.
#include <gtest/gtest.h>

#include <cmath>
#include <variant>

#include "network/drawn_outline.h"
#include "network/junction_network.h"
#include "network/network_kinds.h"
#include "network/solid_coverage.h"

namespace tq58 {
namespace {

using namespace network_kinds;

// The points of a solid that lie on its outline: a polygon's corners, an arc's ends (and where
// a tangent corner's tangents meet), a ring sector's corners.
std::vector<PointD> CornersOf(const Solid& solid) {
  if (const auto* s = std::get_if<SolidPolygon>(&solid))
    return {s->corners.begin(), s->corners.begin() + s->count};
  if (const auto* s = std::get_if<SolidRingSector>(&solid)) {
    const Curve o = s->outer;
    return {Along(o.centre, o.from, s->inner), o.start, Along(o.centre, o.from + o.sweep, s->inner),
            o.end};
  }
  const HostSolidArc a = HostArcOf(std::get<SolidArc>(solid));
  std::vector<PointD> corners = {Along(a.centre, a.start, a.radius),
                                 Along(a.centre, a.start + a.sweep, a.radius)};
  if (a.kind == ArcArea::TangentCorner)
    corners.push_back(Along(a.centre, a.start + a.sweep / 2, a.radius / std::cos(a.sweep / 2)));
  return corners;
}

// A network's fill against the outline its drawing shows: at a grid over the scene and at
// points beside every piece of that outline, a point inside it by more than the join tolerance
// is covered and a point outside by more is not; no corner of a solid lies outside by more,
// and every solid is well formed.
void CheckNetworkFill(const Network& n, const TLineTable& table, Failures& failures, int trial) {
  Solids solids;
  const DrawnOutline outline = OutlineOf(BuildJunctionNetwork(n.chains, table, 1.0, &solids), n);
  for (const Solid& s : solids) {
    if (const std::string what = Malformed(s); !what.empty())
      failures.Add(what, trial, "", n, table);
    for (const PointD p : CornersOf(s)) {
      if (!outline.Inside(p) && outline.Distance(p) > kClose)
        failures.Add("a solid's corner outside the outline", trial, Text(p), n, table);
    }
  }
  std::vector<PointD> samples;
  PointD lo{1e300, 1e300}, hi{-1e300, -1e300};
  for (const Curve& c : outline.curves) {
    for (int k = 0; k < 16; ++k) {
      const double s = c.Length() * (k + 0.5) / 16;
      const PointD at = c.At(s), d = c.DirectionAt(s);
      for (const double off : {0.01, 0.1, 0.3, -0.01, -0.1, -0.3})
        samples.push_back({at.x - d.y * off * n.w, at.y + d.x * off * n.w});
      lo = {std::min(lo.x, at.x), std::min(lo.y, at.y)};
      hi = {std::max(hi.x, at.x), std::max(hi.y, at.y)};
    }
  }
  const int steps = 60;
  for (int i = 0; i <= steps; ++i) {
    for (int j = 0; j <= steps; ++j) {
      samples.push_back({lo.x - n.w + (hi.x - lo.x + 2 * n.w) * (i + 0.37) / steps,
                         lo.y - n.w + (hi.y - lo.y + 2 * n.w) * (j + 0.61) / steps});
    }
  }
  for (const PointD p : samples) {
    if (outline.Distance(p) <= kClose) continue;
    const bool inside = outline.Inside(p);
    const bool covered =
        std::any_of(solids.begin(), solids.end(), [&](const Solid& s) { return Covers(s, p); });
    if (inside && !covered)
      failures.Add("a point inside the outline not filled", trial, Text(p), n, table);
    if (!inside && covered)
      failures.Add("a point outside the outline filled", trial, Text(p), n, table);
  }
}

TEST(FillCoverage, ANetworkFillsTheUnionOfItsRegionsAndItsRoundedCorners) {
  Failures failures;
  for (int trial = 0; trial < 160; ++trial) {
    Sequence r(9700 + static_cast<uint64_t>(trial));
    const Network n = GenerateClear(r, trial % kKinds);
    TLineTable table = Preset(r, n.w, false);
    table.Options.Junctions = JunctionMode::Clean;
    CheckNetworkFill(n, table, failures, trial);
  }
}

// Junctions of streets 5 to 30 degrees apart, and of streets 20 to 170 degrees apart, some of
// them bending where their outer rows cross: every corner, sharp or rounded, per row or
// concentric, filled exactly to its arc and the rows it joins.
TEST(FillCoverage, JunctionsOfAnyAngleFillTheirCornersExactly) {
  Failures failures;
  for (int trial = 0; trial < 240; ++trial) {
    Sequence r(9900 + static_cast<uint64_t>(trial));
    const Network n = GenerateJunction(r, trial % 2 == 0);
    TLineTable table = Preset(r, n.w, false);
    table.Options.Junctions = JunctionMode::Clean;
    CheckNetworkFill(n, table, failures, trial);
  }
}

}  // namespace
}  // namespace tq58
