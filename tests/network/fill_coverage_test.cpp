// Fills checked against the test's own models: a band alone against its region, every point
// strictly inside it in some solid and no solid reaching outside it; a network against the
// outline its drawn outer rows and corner arcs show, with no slack round the corners. The
// solids are read as the host would draw them.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <variant>

#include "fill/outline_fill.h"
#include "network/drawn_outline.h"
#include "network/junction_network.h"
#include "network/network_kinds.h"
#include "region/band_fill.h"

namespace tq58 {
namespace {

using namespace network_kinds;

double Turn(PointD o, PointD a, PointD b) { return Cross(Minus(a, o), Minus(b, o)); }

// Whether the angle of p about c lies within the sweep from `start`.
bool WithinSweep(PointD c, PointD p, double start, double sweep) {
  double a = std::fmod(std::atan2(p.y - c.y, p.x - c.x) - start, 2 * kPi);
  if (a < 0) a += 2 * kPi;
  return a <= sweep + 1e-12 || a >= 2 * kPi - 1e-12;
}

bool InTriangle(PointD p, PointD a, PointD b, PointD c) {
  return Turn(a, b, p) >= 0 && Turn(b, c, p) >= 0 && Turn(c, a, p) >= 0;
}

// Whether the solid covers p, as the host draws it.
bool Covers(const Solid& solid, PointD p) {
  if (const auto* s = std::get_if<SolidPolygon>(&solid)) {
    for (int i = 0; i < s->count; ++i) {
      if (Turn(s->corners[i], s->corners[(i + 1) % s->count], p) < 0) return false;
    }
    return true;
  }
  if (const auto* s = std::get_if<SolidRingSector>(&solid)) {
    const double d = PointDistance(s->centre, p);
    return d >= s->inner && d <= s->outer && WithinSweep(s->centre, p, s->start, s->sweep);
  }
  const auto& a = std::get<SolidArc>(solid);
  const PointD from = Along(a.centre, a.start, a.radius);
  const PointD to = Along(a.centre, a.start + a.sweep, a.radius);
  const double d = PointDistance(a.centre, p);
  switch (a.kind) {
    case ArcArea::Sector:
      return d <= a.radius && WithinSweep(a.centre, p, a.start, a.sweep);
    case ArcArea::Segment:
      return d <= a.radius && Turn(to, from, p) >= 0;
    case ArcArea::TangentCorner:
      return d >= a.radius &&
             InTriangle(p, from,
                        Along(a.centre, a.start + a.sweep / 2, a.radius / std::cos(a.sweep / 2)),
                        to);
  }
  return false;
}

// What the host takes: convex counterclockwise polygons wider (area over longest side) than
// the join tolerance of these scenes (kClose), radii and sweeps that draw something, a tangent
// corner of at most a quarter turn.
std::string Malformed(const Solid& solid) {
  if (const auto* s = std::get_if<SolidPolygon>(&solid)) {
    double area = 0, longest = 0;
    for (int i = 0; i < s->count; ++i) {
      const PointD a = s->corners[i], b = s->corners[(i + 1) % s->count];
      if (Turn(a, b, s->corners[(i + 2) % s->count]) <= 0) return "sl not convex";
      area += Cross(a, b) / 2, longest = std::max(longest, PointDistance(a, b));
    }
    if (s->count < 3 || s->count > 4 || !(area > 0)) return "sl of no area";
    return area > kClose * longest ? "" : "sl no wider than the join tolerance";
  }
  if (const auto* s = std::get_if<SolidRingSector>(&solid)) {
    return s->inner > 0 && s->inner < s->outer && s->sweep > 0 && s->sweep <= 2 * kPi
               ? ""
               : "so out of range";
  }
  const auto& a = std::get<SolidArc>(solid);
  const double most = a.kind == ArcArea::TangentCorner ? kPi / 2 : 2 * kPi;
  return a.radius > 0 && a.sweep > 0 && a.sweep <= most ? "" : "sc out of range";
}

// Checks the solids over a grid of points round the regions. `spill` is how far outside every
// region a solid may reach.
void CheckCoverage(const std::vector<Region>& regions, const Solids& solids, double spill,
                   Failures& failures, int trial, const Network& n, const TLineTable& t) {
  for (const Solid& s : solids) {
    if (const std::string what = Malformed(s); !what.empty()) failures.Add(what, trial, "", n, t);
  }
  double lo = 1e300, hi = -1e300;
  for (const Region& region : regions) {
    for (const auto& loop : region.loops) {
      for (const Curve& c : loop)
        lo = std::min({lo, c.start.x, c.start.y}), hi = std::max({hi, c.start.x, c.start.y});
    }
  }
  lo -= 2 * n.w, hi += 2 * n.w;
  const int steps = 60;
  for (int i = 0; i <= steps; ++i) {
    for (int j = 0; j <= steps; ++j) {
      const PointD p{lo + (hi - lo) * (i + 0.37) / steps, lo + (hi - lo) * (j + 0.61) / steps};
      bool inside = false;
      double away = 1e300;
      for (const Region& region : regions) {
        inside = inside || region.StrictlyInside(p);
        for (const auto& loop : region.loops) {
          for (const Curve& c : loop) away = std::min(away, PointDistance(c.NearestPoint(p), p));
        }
      }
      const bool covered =
          std::any_of(solids.begin(), solids.end(), [&](const Solid& s) { return Covers(s, p); });
      if (inside && !covered)
        failures.Add("a point inside a region not filled", trial, Text(p), n, t);
      if (!inside && away > spill && covered)
        failures.Add("a point outside the regions filled", trial, Text(p), n, t);
    }
  }
}

TEST(FillCoverage, EachBandAloneFillsItsRegionExactly) {
  Failures failures;
  for (int trial = 0; trial < 160; ++trial) {
    Sequence r(9100 + static_cast<uint64_t>(trial));
    const Network n = GenerateClear(r, trial % kKinds);
    const TLineTable table = Preset(r, n.w, false);
    for (const Band& kept : n.bands) {
      const Band band{kept.path, true, true};
      std::vector<std::optional<RowEnds>> ends;
      const MultiLine lines = BuildMultiLine(band.path, table, 1.0, &ends);
      CheckCoverage({RegionOf(band, table)}, FillBand(band.path, lines, ends, table, 1.0), 1e-6,
                    failures, trial, n, table);
    }
  }
}

// A polyline of short legs, so that the outer rows cross themselves, as the point mode draws.
TEST(FillCoverage, ShortLegsFollowTheOutlineByTheNonZeroRule) {
  Failures failures;
  for (int trial = 0; trial < 200; ++trial) {
    Sequence r(9400 + static_cast<uint64_t>(trial));
    Network n{"short legs", 3 + 3 * r.Unit(), {}, {}};
    std::vector<PointD> points;
    for (int k = 0; k < 3 + static_cast<int>(r.Below(5)); ++k)
      points.push_back({12 * r.Signed(), 12 * r.Signed()});
    n.Add(Open(points), true, true, {Open(points)}, false);
    const TLineTable table = Preset(r, n.w, false);
    std::vector<std::optional<RowEnds>> ends;
    const MultiLine lines = BuildMultiLine(n.bands[0].path, table, 1.0, &ends);
    CheckCoverage({RegionOf(n.bands[0], table)}, FillBand(n.bands[0].path, lines, ends, table, 1.0),
                  1e-6, failures, trial, n, table);
  }
}

// The points of a solid that lie on its outline: a polygon's corners, an arc's ends (and where
// a tangent corner's tangents meet), a ring sector's corners.
std::vector<PointD> CornersOf(const Solid& solid) {
  if (const auto* s = std::get_if<SolidPolygon>(&solid))
    return {s->corners.begin(), s->corners.begin() + s->count};
  if (const auto* s = std::get_if<SolidRingSector>(&solid)) {
    return {Along(s->centre, s->start, s->inner), Along(s->centre, s->start, s->outer),
            Along(s->centre, s->start + s->sweep, s->inner),
            Along(s->centre, s->start + s->sweep, s->outer)};
  }
  const auto& a = std::get<SolidArc>(solid);
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

// A quarter ring with a notch cut into it from its straight side, and a whole ring: arcs about
// one centre that run opposite ways, a ring sector only where no other curve enters it.
TEST(FillCoverage, ConcentricArcsMakeRingSectorsOnlyWhereNothingEntersThem) {
  Failures failures;
  const Network n{"notched quarter ring and a whole ring", 1, {}, {}};
  const PointD o{30, 0};
  const Region region{{{Curve::Segment({5, 0}, {7.5, 4}), Curve::Segment({7.5, 4}, {10, 0}),
                        Curve::Arc({0, 0}, 10, 0, kPi / 2), Curve::Segment({0, 10}, {0, 5}),
                        Curve::Arc({0, 0}, 5, kPi / 2, -kPi / 2)},
                       {Curve::Arc(o, 6, 1, 2 * kPi)},
                       {Curve::Arc(o, 3, 0, -2 * kPi)}}};
  std::vector<Curve> outline;
  for (const auto& loop : region.loops) outline.insert(outline.end(), loop.begin(), loop.end());
  const Solids solids = FillOutline(outline, 0.25, kClose);
  CheckCoverage({region}, solids, 1e-6, failures, 0, n, TLineTable{});
  EXPECT_EQ(
      std::count_if(solids.begin(), solids.end(),
                    [](const Solid& s) { return std::holds_alternative<SolidRingSector>(s); }),
      1);
}

}  // namespace
}  // namespace tq58
