// Junctions cleaned over networks whose bands the test knows beforehand, of the kinds plain
// grids leave out. A band's region is what its own outer rows enclose when it is drawn alone,
// closed by its caps at free ends and by a segment at junction ends; the network's outer rows
// must draw the outline of all the regions together, measured with a winding number of the
// test's own.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "geometry/vector2.h"
#include "network/junction_network.h"
#include "network/network_kinds.h"
#include "path/path_edit.h"
#include "rows/construction.h"

namespace tq58 {
namespace {

using namespace network_kinds;
using geometry::Cross;
using geometry::Dot;
using geometry::Minus;
using geometry::PointDistance;
using tq58_test::Sequence;

TEST(JunctionOutline, OuterRowsLieOutsideTheOtherRegionsAndCloseTheOutline) {
  Failures failures;
  for (int trial = 0; trial < 480; ++trial) {
    Sequence r(5800 + static_cast<uint64_t>(trial));
    const Network n = GenerateClear(r, trial % kKinds);
    const TLineTable table = Preset(r, n.w, false);
    std::vector<Region> regions;
    for (const Band& band : n.bands) regions.push_back(RegionOf(band, table));
    std::vector<Piece> outer = Pieces(BuildJunctionNetwork(n.chains, table, 1.0));
    std::erase_if(outer, [](const Piece& p) { return p.colour > 2; });
    for (std::size_t i = 0; i < outer.size(); ++i) {
      const Curve& t = outer[i].trace;
      for (int k = 1; k <= 16; ++k) {
        const PointD p = t.At(t.Length() * k / 17);
        for (std::size_t b = 0; b < regions.size(); ++b) {
          if (regions[b].StrictlyInside(p))
            failures.Add("an outer row inside a region", trial,
                         Text(p) + " inside band " + std::to_string(b), n, table);
        }
        for (std::size_t j = 0; j < outer.size(); ++j) {
          // (but a fillet too short to tell from the rows it joins, as at a bend of 0.01°)
          if (j != i && t.Length() > 1e-3 && outer[j].trace.Length() > 1e-3 &&
              PointDistance(outer[j].trace.NearestPoint(p), p) < kClose)
            failures.Add("an outer row drawn twice", trial, Text(p), n, table);
        }
      }
      for (const PointD end : {t.start, t.end}) {
        bool met = false;
        for (std::size_t j = 0; j < outer.size(); ++j) {
          met = met || (j != i && (PointDistance(outer[j].trace.start, end) < kClose ||
                                   PointDistance(outer[j].trace.end, end) < kClose));
        }
        for (const PointD f : n.FreeEnds()) met = met || PointDistance(f, end) < n.w + kClose;
        if (!met) failures.Add("an outer row end met by nothing", trial, Text(end), n, table);
      }
    }
  }
}

// The points where bands end at a junction, each with the bands that run through it there.
std::vector<std::pair<PointD, std::vector<std::size_t>>> Junctions(const Network& n) {
  std::vector<std::pair<PointD, std::vector<std::size_t>>> junctions;
  for (const Band& band : n.bands) {
    for (const bool atEnd : {false, true}) {
      if (atEnd ? band.endFree : band.startFree) continue;
      const PointD at = atEnd ? band.path.points.back() : band.path.points.front();
      std::vector<std::size_t> through;
      for (std::size_t t = 0; t < n.bands.size(); ++t) {
        const BasePath& path = n.bands[t].path;
        if (Distance(path, at) < kClose && PointDistance(path.points.front(), at) > kClose &&
            PointDistance(path.points.back(), at) > kClose)
          through.push_back(t);
      }
      junctions.push_back({at, through});
    }
  }
  return junctions;
}

// Inner rows stop at every other band: a point of one lies in its own band's region alone, but
// where a band runs through a junction, whose inner rows run on across the arms ending there
// (a piece that comes within two band widths of it). Streets drawn twice overlap by design.
TEST(JunctionOutline, InnerRowsStopAtOtherBandsButThroughBandsRunOn) {
  Failures failures;
  for (int trial = 0; trial < 360; ++trial) {
    Sequence r(5900 + static_cast<uint64_t>(trial));
    if (trial % kKinds == kOverlap) continue;
    const Network n = GenerateClear(r, trial % kKinds);
    const TLineTable table = Preset(r, n.w, false);
    std::vector<Region> regions;
    for (const Band& band : n.bands) regions.push_back(RegionOf(band, table));
    const auto junctions = Junctions(n);
    const auto runsOnThrough = [&](const Curve& piece, PointD p) {
      for (const auto& [at, through] : junctions) {
        if (PointDistance(piece.NearestPoint(at), at) > 4 * n.w) continue;
        for (const std::size_t t : through)
          if (regions[t].StrictlyInside(p)) return true;
      }
      return false;
    };
    for (const Piece& piece : Pieces(BuildJunctionNetwork(n.chains, table, 1.0))) {
      if (piece.colour <= 2) continue;
      for (int k = 1; k <= 8; ++k) {
        const PointD p = piece.trace.At(piece.trace.Length() * k / 9);
        int inside = 0;
        for (const Region& region : regions) inside += region.StrictlyInside(p) ? 1 : 0;
        if (inside > 1 && !runsOnThrough(piece.trace, p))
          failures.Add("an inner row inside another band", trial, Text(p), n, table);
      }
    }
  }
}

// The point a generated junction's arms leave from: the end the first two bands share.
PointD JunctionPoint(const Network& n) {
  const std::vector<PointD>& a = n.bands[0].path.points;
  const std::vector<PointD>& b = n.bands[1].path.points;
  return a.front() == b.front() || a.front() == b.back() ? a.front() : a.back();
}

// Where the arms at a junction all leave to one side, the outline closes round their back with
// no notch: no outer row comes near the junction point (the two bounding arms' closing
// segments meeting there would reach it).
TEST(JunctionOutline, ArmsLeavingToOneSideDrawNoNotchAtTheirBack) {
  Failures failures;
  for (int trial = 0; trial < 240; ++trial) {
    Sequence r(5950 + static_cast<uint64_t>(trial));
    const Network n = GenerateJunction(r, trial % 2 == 0);
    // Corners rounded per row: a concentric corner rounds the centre line of the band running
    // through away from the point where the other arms end.
    TLineTable table = Preset(r, n.w, trial % 4 < 2);
    table.Options.Corners = CornerMode::PerRow;
    const PointD o = JunctionPoint(n);
    for (const Piece& piece : Pieces(BuildJunctionNetwork(n.chains, table, 1.0))) {
      if (piece.colour > 2) continue;
      const double d = PointDistance(piece.trace.NearestPoint(o), o);
      if (d < n.w / 40)
        failures.Add("an outer row near the junction point", trial, Text(o), n, table);
    }
  }
}

// Between two neighbouring arms less than a half turn apart, the facing outer rows are joined
// by a fillet of the corner's radius: the arc tangent to both rows, its centre on the bisector,
// wherever its tangent points lie on the arms' first straight pieces.
TEST(JunctionOutline, EveryJunctionCornerWhereTheFilletFitsIsRounded) {
  Failures failures;
  for (int trial = 0; trial < 480; ++trial) {
    Sequence r(5970 + static_cast<uint64_t>(trial));
    const Network n = GenerateJunction(r, trial % 2 == 0);
    TLineTable table = Preset(r, n.w, true);
    table.Options.Corners = trial % 4 < 2 ? CornerMode::PerRow : CornerMode::Concentric;
    const double radius = table.Options.Corners == CornerMode::PerRow
                              ? table.Lines[0].Radius
                              : table.Options.BaseRadius - n.w;
    if (radius < 1e-3 * n.w) continue;
    // Each arm from the junction point: its direction and how long it runs straight.
    const PointD o = JunctionPoint(n);
    std::vector<std::pair<double, double>> arms;  // angle, straight length
    for (const Band& band : n.bands) {
      const BasePath& p =
          PointDistance(band.path.points.front(), o) < kClose ? band.path : Reversed(band.path);
      const bool bent = p.points.size() > 2;
      const PointD d = Minus(p.points[1], o);
      // A bend of up to 15 degrees moves the facing row's corner by up to w tan 7.5 degrees,
      // and a row rounds a corner only on pieces longer than its radius, once for each fillet.
      const double taken = bent ? 2 * radius + n.w * std::tan(7.5 * kDeg) : n.w;
      arms.push_back({std::atan2(d.y, d.x), PointDistance(p.points[1], o) - taken});
    }
    std::sort(arms.begin(), arms.end());
    const std::vector<Piece> drawn = Pieces(BuildJunctionNetwork(n.chains, table, 1.0));
    for (std::size_t k = 0; k < arms.size(); ++k) {
      const auto [a, aLength] = arms[k];
      auto [b, bLength] = arms[(k + 1) % arms.size()];
      if (b <= a) b += 2 * kPi;
      const double gap = b - a;
      const double tangentAt = (n.w + radius) / std::tan(gap / 2);
      if (gap >= kPi - 1e-6 || tangentAt > std::min(aLength, bLength) - 1e-6 * n.w) continue;
      const PointD centre = Along(o, (a + b) / 2, (n.w + radius) / std::sin(gap / 2));
      bool rounded = false;
      for (const Piece& p : drawn) {
        rounded = rounded || (p.colour <= 2 && p.trace.arc &&
                              PointDistance(p.trace.centre, centre) < 1e-6 * n.w &&
                              std::fabs(p.trace.radius - radius) < 1e-6 * n.w);
      }
      if (!rounded) failures.Add("a junction corner not rounded", trial, Text(centre), n, table);
    }
  }
}

TEST(JunctionOutline, AMirrorSymmetricPresetDrawsTheSameWhateverTheOrderAndDirection) {
  Failures failures;
  for (int trial = 0; trial < 240; ++trial) {
    Sequence r(580000 + static_cast<uint64_t>(trial));
    Network n = GenerateClear(r, trial % kKinds);
    TLineTable table = Preset(r, n.w, true);
    if (n.kind == kKindNames[kLoop] || n.kind == kKindNames[kRoundabout] ||
        n.kind == kKindNames[kHairpin]) {
      // Fillets small enough not to share short sides: where they do, the row
      // builder gives a side to the fillet first along the path, even with no junction.
      table.Options.Corners = CornerMode::PerRow;
      for (TLineRow& row : table.Lines) row.Radius = std::min(row.Radius, n.w / 4);
    }
    // (and where a band drawn alone still does, as an inner row's side of a hairpin may)
    const auto alone = [&](const BasePath& path) {
      return Drawing(BuildMultiLine(path, table, 1.0));
    };
    if (std::any_of(n.bands.begin(), n.bands.end(), [&](const Band& band) {
          return alone(band.path) != alone(Reversed(band.path));
        })) {
      continue;
    }
    const std::vector<std::string> first = Drawing(BuildJunctionNetwork(n.chains, table, 1.0));
    const Network given = n;
    for (std::size_t i = n.chains.size(); i > 1; --i)
      std::swap(n.chains[i - 1], n.chains[r.Below(i)]);
    for (BasePath& chain : n.chains) chain = r.Below(2) ? Reversed(chain) : chain;
    if (Drawing(BuildJunctionNetwork(n.chains, table, 1.0)) != first)
      failures.Add("order or direction changes the drawing", trial, Describe(n, table), given,
                   table);
  }
}

// Every point of `a`'s pieces (but those `skip` names) within `close` of a piece of `b` of its
// colour.
bool Covers(const MultiLine& a, const MultiLine& b, const auto& skip, double close = kClose) {
  const std::vector<Piece> pa = Pieces(a), pb = Pieces(b);
  for (const Piece& p : pa) {
    for (int k = 0; k <= 8; ++k) {
      const PointD q = p.trace.At(p.trace.Length() * k / 8);
      bool near = skip(q);
      for (const Piece& o : pb)
        near = near || (o.colour == p.colour && PointDistance(o.trace.NearestPoint(q), q) < close);
      if (!near) return false;
    }
  }
  return true;
}

// A loop that returns into its own junction is split in two halfway round. Where halfway falls
// at or near a vertex, the loop away from the junction still draws as the closed ring does alone
// in point mode: every corner rounded, nothing overrun, no gap.
TEST(JunctionOutline, ALoopSplitAtOrNearAVertexDrawsItsCornersAsTheWholeRing) {
  Failures failures;
  for (int trial = 0; trial < 160; ++trial) {
    Sequence r(5990 + static_cast<uint64_t>(trial));
    Network n{"loop split at or near a vertex", 3 + 3 * r.Unit(), {}, {}};
    const int sides = 7 + static_cast<int>(r.Below(3));
    const double theta = 2 * kPi * r.Unit(), radius = (8 + 4 * r.Unit()) * n.w;
    BasePath ring{{}, true, {}};
    for (int i = 0; i <= sides; ++i)
      ring.points.push_back(Along({}, theta + 2 * kPi * (i % sides) / sides, radius));
    // The junction at a fraction along the first side, so that halfway round falls on a vertex
    // (a whole number of sides on) or up to a fifth of a side from one.
    const double off = trial % 3 == 0 ? 0.0 : (r.Below(2) ? 1 : -1) * (0.01 + 0.19 * r.Unit());
    const double f = std::fmod((sides % 2 ? 0.5 : 1.0) + off, 1.0);
    const PointD o = geometry::Plus(ring.points[0], Minus(ring.points[1], ring.points[0]), f);
    BasePath loop = Open({o});
    loop.points.insert(loop.points.end(), ring.points.begin() + 1, ring.points.end());
    if (f > 0) loop.points.push_back(o);
    const PointD out = Along(o, std::atan2(o.y, o.x), 40);
    n.chains = {r.Below(2) ? loop : Reversed(loop), Line(o, out)};
    // Mirror-symmetric, as the ring alone may run the other way round; radii small enough for
    // every corner's fillet to fit on the sides next to it, as the ring rounds them all only
    // then.
    TLineTable table = Preset(r, n.w, true);
    for (TLineRow& row : table.Lines) row.Radius = std::min(row.Radius, n.w);
    table.Options.BaseRadius = std::min(table.Options.BaseRadius, n.w);
    const MultiLine network = BuildJunctionNetwork(n.chains, table, 1.0);
    const MultiLine whole = BuildMultiLine(ring, table, 1.0);
    // Away from the junction and the street leaving it.
    const double near = 4 * n.w + table.Options.BaseRadius;
    const auto atJunction = [&](PointD q) {
      return PointDistance(q, o) < near || Distance(Line(o, out), q) < 2 * n.w;
    };
    if (!Covers(network, whole, atJunction) || !Covers(whole, network, atJunction))
      failures.Add("the loop drawn otherwise than the ring", trial, "", n, table);
  }
}

TEST(JunctionOutline, AnXDrawsTheSameWholeAsFourArmsOrWithOneArmBentALittle) {
  Failures failures;
  for (int trial = 0; trial < 120; ++trial) {
    Sequence r(58000000 + static_cast<uint64_t>(trial));
    Network bent = Generate(r, kBentX);
    bent.chains.resize(4);  // without a street crossing the scene
    bent.bands.resize(2);
    const TLineTable table = Preset(r, bent.w, true);
    // The bent arm from o to m, then turning; straight on from m instead.
    const PointD o = bent.chains[0].points[1], m = bent.chains[3].points[1];
    const PointD u = geometry::Plus({}, Minus(m, o), 1 / PointDistance(o, m));
    const BasePath straight = Line(o, geometry::Plus(m, u, 30));
    std::vector<BasePath> arms = {bent.chains[0], bent.chains[1], bent.chains[2], straight};
    for (BasePath& chain : arms) chain = r.Below(2) ? Reversed(chain) : chain;
    const MultiLine whole = BuildJunctionNetwork(
        {bent.bands[0].path, Line(bent.chains[2].points[0], straight.points[1])}, table, 1.0);
    const MultiLine apart = BuildJunctionNetwork(arms, table, 1.0);
    const MultiLine bentArm = BuildJunctionNetwork(bent.chains, table, 1.0);
    const auto none = [](PointD) { return false; };
    // Beyond the bend, or so near it that a corner's fillet may reach past it.
    double reach = table.Options.BaseRadius;
    for (const TLineRow& row : table.Lines) reach = std::max(reach, row.Radius);
    const auto beyondBend = [&](PointD q) {
      return Dot(Minus(q, m), u) > -(reach + bent.w) / std::tan(kPi / 12) &&
             std::fabs(Cross(u, Minus(q, m))) < 2 * bent.w;
    };
    if (!Covers(whole, apart, none) || !Covers(apart, whole, none))
      failures.Add("four arms draw otherwise than the whole", trial, "", bent, table);
    // A fillet reaching past the bend turns with it: by 0.01° over its reach.
    const double close = 1e-3 * (reach + bent.w);
    if (!Covers(whole, bentArm, beyondBend, close) || !Covers(bentArm, whole, beyondBend, close))
      failures.Add("one arm bent draws otherwise", trial, "", bent, table);
  }
}

}  // namespace
}  // namespace tq58
