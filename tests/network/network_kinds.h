// Networks of the kinds that plain grids leave out, with their bands known beforehand, and a
// band's region as the test sees it: what its own outer rows enclose when it is drawn alone,
// closed by its caps at free ends and by a segment at junction ends, measured with a winding
// number of the test's own.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "geometry/vector2.h"
#include "network/network_fixture.h"
#include "path/path_edit.h"
#include "rows/construction.h"
#include "support/winding_model.h"

namespace tq58::network_kinds {

using namespace network_fixture;
using geometry::Cross;
using geometry::Dot;
using geometry::Minus;
using geometry::PointDistance;
using tq58_test::Sequence;
using tq58_test::TurnSeen;

inline constexpr double kDeg = kPi / 180;

struct Band {
  BasePath path;
  bool startFree = false, endFree = false;  // else it ends at a junction
};

inline BasePath Open(std::vector<PointD> points) { return {std::move(points), false, {}}; }

inline double Distance(const BasePath& path, PointD p) {
  double d = 1e300;
  for (std::size_t k = 0; k + 1 < path.points.size(); ++k)
    d = std::min(d, PointDistance(BaseCurve(path, k).NearestPoint(p), p));
  return d;
}

// The bands as the test knows them, and the chains the network is given for them.
struct Network {
  std::string kind;
  double w = 0;
  std::vector<Band> bands;
  std::vector<BasePath> chains;

  // A band given as `parts` run one after the other, either way round.
  void Add(BasePath path, bool startFree, bool endFree, std::vector<BasePath> parts, bool back) {
    if (back) {
      path = Reversed(path);
      std::swap(startFree, endFree);
      std::reverse(parts.begin(), parts.end());
      for (BasePath& part : parts) part = Reversed(part);
    }
    bands.push_back({path, startFree, endFree});
    chains.insert(chains.end(), parts.begin(), parts.end());
  }
  std::vector<PointD> FreeEnds(const Band* only = nullptr) const {
    std::vector<PointD> ends;
    for (const Band& b : bands) {
      if (b.startFree && (!only || only == &b)) ends.push_back(b.path.points.front());
      if (b.endFree && (!only || only == &b)) ends.push_back(b.path.points.back());
    }
    return ends;
  }
  // Whether every free end lies 2.25 half-widths from the other bands' centre lines: beyond
  // their regions by more than a half-width, so that no end is moved onto one or cut back.
  bool Clear() const {
    for (const Band& own : bands) {
      for (const Band& other : bands) {
        for (const PointD end : FreeEnds(&own))
          if (&other != &own && Distance(other.path, end) < 2.25 * w) return false;
      }
    }
    return true;
  }
};

enum Kind {
  kLoop,
  kRoundabout,
  kBend,
  kCorner,
  kNearEnd,
  kOverlap,
  kStray,
  kHairpin,
  kBentX,
  kOvershoot,
  kKinds
};
inline constexpr const char* kKindNames[] = {"turning loop",
                                             "roundabout",
                                             "bend near a junction",
                                             "side near a corner",
                                             "side near an end",
                                             "collinear overlap",
                                             "stray piece",
                                             "hairpin narrower than its band",
                                             "X of four arms, one bent",
                                             "overshoot"};

// An angle of lo to hi degrees either way.
inline double Either(Sequence& r, double lo, double hi) {
  const double sign = r.Below(2) ? 1 : -1;
  return sign * (lo + (hi - lo) * r.Unit()) * kDeg;
}

inline Network Generate(Sequence& r, int kind) {
  Network n{kKindNames[kind], 3 + 3 * r.Unit(), {}, {}};
  const double w = n.w, theta = 2 * kPi * r.Unit();
  const PointD o{20 * r.Signed(), 20 * r.Signed()};
  const auto add = [&](const BasePath& path, bool startFree, bool endFree) {
    n.Add(path, startFree, endFree, {path}, r.Below(2));
  };
  // A band given whole or as two chains meeting straight at `at`, vertex 1 of the second.
  const auto split = [&](const BasePath& path, PointD at, bool startFree, bool endFree) {
    std::vector<BasePath> parts = {path};
    if (r.Below(2)) {
      parts = {Line(path.points[0], at), Open({at})};
      parts[1].points.insert(parts[1].points.end(), path.points.begin() + 1, path.points.end());
    }
    n.Add(path, startFree, endFree, parts, r.Below(2));
  };
  // A street ending at `at`, leaving it at `angle`, its far end free.
  const auto stem = [&](PointD at, double angle) {
    add(Line(at, Along(at, angle, 40 + 60 * r.Unit())), false, true);
  };
  const PointD a = Along(o, theta + kPi, 100), b = Along(o, theta, 100);
  switch (kind) {
    case kLoop: {
      // A polygon of 7 or 9 sides through o, a stem ending there: the loop comes back into its
      // own junction, two bands meeting straight halfway round, where the sides are long
      // enough for the rows' corners to leave the middle of a side clear.
      const int sides = 7 + 2 * static_cast<int>(r.Below(2));
      const double radius = (5.5 + 2.5 * r.Unit()) * w;
      BasePath halves[2];
      for (int i = 0; i <= sides; ++i) {
        const double at = theta + kPi + 2 * kPi * i / sides;
        halves[i > sides / 2].points.push_back(
            i % sides ? Along(Along(o, theta, radius), at, radius) : o);
      }
      const PointD m = geometry::Midpoint(halves[0].points.back(), halves[1].points.front());
      halves[0].points.push_back(m);
      halves[1].points.insert(halves[1].points.begin(), m);
      n.bands = {{halves[0]}, {halves[1]}};
      n.chains = r.Below(2) ? std::vector{Joined(halves[0], halves[1])}
                            : std::vector{halves[0], halves[1]};
      stem(o, theta + kPi);
      break;
    }
    case kRoundabout: {
      // A ring of 8 to 16 sides; two streets ending on it 1 apart, a third elsewhere.
      const int sides = 8 + static_cast<int>(r.Below(9));
      const double radius = 15 + 25 * r.Unit();
      BasePath ring{{}, true, {}};
      for (int i = 0; i <= sides; ++i)
        ring.points.push_back(Along(o, theta + 2 * kPi * (i % sides) / sides, radius));
      const auto onRing = [&](double at) {  // at: how many sides round
        const double k = std::floor(std::fmod(at, sides)), t = std::fmod(at, sides) - k;
        const PointD p = ring.points[static_cast<std::size_t>(k)];
        return geometry::Plus(p, Minus(ring.points[static_cast<std::size_t>(k) + 1], p), t);
      };
      const double at = static_cast<double>(r.Below(sides)) + 0.2 + 0.6 * r.Unit();
      // The ring given closed, or as a chain from the entry round back into it: the band is
      // then the ring from the vertex after the entry (where fillets too large for the sides
      // leave some corners sharp, which ones depends on where the ring starts).
      BasePath fromEntry = Open({onRing(at)}), fromNext{{}, true, {}};
      for (int i = 1; i <= sides + 1; ++i) {
        const PointD v = ring.points[(static_cast<std::size_t>(at) + i) % sides];
        if (i <= sides) fromEntry.points.push_back(v);
        fromNext.points.push_back(v);
      }
      fromEntry.points.push_back(onRing(at));
      if (r.Below(2)) {
        n.Add(ring, false, false, {ring}, false);
      } else {
        n.Add(fromNext, false, false, {fromEntry}, false);
      }
      const double unit = 1 / (2 * radius * std::sin(kPi / sides));
      const double elsewhere = at + sides * (0.3 + 0.4 * r.Unit());
      for (const auto& [s, turn] : {std::pair{at, -0.5}, {at + unit, 0.5}, {elsewhere, 0.0}}) {
        const PointD p = onRing(s);
        stem(p, std::atan2(p.y - o.y, p.x - o.x) + turn);
      }
      break;
    }
    case kBend: {
      // A stem turning 20 to 60 degrees within the band's width of the street it ends on, or
      // the street turning so near the stem.
      const double stemAngle = theta + Either(r, 35, 145), turn = Either(r, 20, 60);
      const double near = w * (0.3 + 0.7 * r.Unit());
      if (r.Below(2)) {
        const PointD v = Along(o, stemAngle, near);
        add(Open({o, v, Along(v, stemAngle + turn, 60 + 40 * r.Unit())}), false, true);
        split(Line(a, b), o, true, true);
      } else {
        const PointD v = Along(o, theta, near);
        split(Open({a, v, Along(v, theta + turn, 100)}), o, true, true);
        stem(o, stemAngle);
      }
      break;
    }
    case kCorner: {
      // An L turning 60 to 110 degrees, or folding back 130 to 160 (two bands cutting each
      // other there), with a side street near the corner on either leg and side.
      const bool fold = r.Below(3) == 0;
      const double turn = fold ? Either(r, 130, 160) : Either(r, 60, 110);
      const PointD c = Along(o, theta + turn, 100);
      const double unit =
          fold ? 1.5 * w / std::sin(kPi - std::fabs(turn)) : w;  // clear of a fold's other leg
      const double d = fold ? unit * (1 + r.Unit()) : w * (0.5 + 2.5 * r.Unit());
      const bool first = r.Below(2);
      const PointD at = Along(o, first ? theta + kPi : theta + turn, d);
      if (fold) {
        n.bands = {{Line(a, o), true, false}, {Line(o, c), false, true}};
        n.chains = {Open({a, o, c})};
      } else {
        add(Open({a, o, c}), true, true);
      }
      stem(at, (first ? theta : theta + turn) + Either(r, 60, 120));
      break;
    }
    case kNearEnd: {  // a side street whose band ends short of a street's free end by more
                      // than half the band's width, which is then no overshoot to cut back
      const PointD at = Along(o, theta + kPi, w * (2.5 + 1.5 * r.Unit()));
      split(Line(a, o), at, true, true);
      stem(at, theta + Either(r, 60, 120));
      break;
    }
    case kOverlap: {  // a street drawn twice, partly: the second from inside the first on beyond
      add(Line(a, o), true, false);
      const PointD from = Along(o, theta + kPi, 20 + 40 * r.Unit());
      add(Line(from, Along(o, theta, 60 + 40 * r.Unit())), false, true);
      break;
    }
    case kStray: {  // a short piece on a street's centre line
      const PointD s = Along(o, theta, 20 * r.Signed());
      split(Line(a, b), s, true, true);
      add(Line(s, Along(s, theta, w * (0.3 + 1.7 * r.Unit()))), false, false);
      break;
    }
    case kHairpin: {  // turning back by two right angles, the legs closer than the band is wide
      const PointD v = Along(o, theta + Either(r, 90, 90), w * (0.6 + r.Unit()));
      add(Open({a, o, v, Along(v, theta + kPi, 60 + 30 * r.Unit())}), true, true);
      break;
    }
    case kOvershoot: {
      // A street crossing another's centre line at o and ending inside that street's band, or
      // beyond it by less than the band's half-width; given whole, or split at o so that the
      // overshoot is a chain of one piece. Either way its band ends at o.
      const double angle = theta + Either(r, 35, 145);
      const double past = w * (r.Below(2) ? 0.1 + 0.8 * r.Unit() : 1.05 + 0.9 * r.Unit());
      const PointD end = Along(o, angle, past / std::fabs(std::sin(angle - theta)));
      const PointD far = Along(o, angle + kPi, 40 + 60 * r.Unit());
      const std::vector<BasePath> parts =
          r.Below(2) ? std::vector{Line(far, end)} : std::vector{Line(far, o), Line(o, end)};
      n.Add(Line(far, o), true, false, parts, r.Below(2));
      split(Line(a, b), o, true, true);
      break;
    }
    case kBentX: {  // four arms, one turning by 0.01 degrees halfway along
      const double cross = theta + (35 + 110 * r.Unit()) * kDeg;
      const PointD c = Along(o, cross + kPi, 60 + 40 * r.Unit());
      const PointD m = Along(o, cross, 30 + 20 * r.Unit());
      const PointD end = Along(m, cross + 0.01 * kDeg, 30);
      n.Add(Line(a, b), true, true, {Line(a, o), Line(o, b)}, false);
      n.Add(Open({c, m, end}), true, true, {Line(c, o), Open({o, m, end})}, false);
    }
  }
  // Half the time a street crossing the scene, straight or with a curve.
  if (r.Below(2)) {
    const double angle = 2 * kPi * r.Unit();
    add(Street(r, Along(o, angle, 30 * r.Unit())), true, true);
  }
  return n;
}

inline Network GenerateClear(Sequence& r, int kind) {
  for (;;) {
    Network n = Generate(r, kind);
    if (n.Clear()) return n;
  }
}

// Three or four streets leaving one point, free at their far ends: with `acute`, two of them 5
// to 30 degrees apart, the others anywhere else round; otherwise each next 20 to 170 degrees
// round from the one before. Half of them bend once, about where their outer rows cross their
// neighbours', so that a corner's fillet may lie on the piece after the bend.
inline Network GenerateJunction(Sequence& r, bool acute) {
  for (;;) {
    Network n{acute ? "arms 5 to 30 degrees apart" : "arms 20 to 170 degrees apart",
              3 + 3 * r.Unit(),
              {},
              {}};
    const PointD o{20 * r.Signed(), 20 * r.Signed()};
    std::vector<double> angles = {2 * kPi * r.Unit()};
    if (acute) {
      angles.push_back(angles[0] + (5 + 25 * r.Unit()) * kDeg);
      angles.push_back(angles[1] + (40 + 120 * r.Unit()) * kDeg);
      if (r.Below(2)) angles.push_back(angles[2] + (20 + 100 * r.Unit()) * kDeg);
    } else {
      while (angles.size() < 4) {
        const double left = angles[0] + 2 * kPi - angles.back();
        const double step = (20 + 150 * r.Unit()) * kDeg;
        if (left - step < 20 * kDeg) break;
        angles.push_back(angles.back() + step);
      }
      if (angles.size() < 3) continue;
    }
    // The least angle between an arm and its neighbours round the point.
    const auto least = [&](std::size_t k) {
      const std::size_t m = angles.size();
      const double before =
          k == 0 ? angles[0] + 2 * kPi - angles[m - 1] : angles[k] - angles[k - 1];
      const double after = k + 1 == m ? angles[0] + 2 * kPi - angles[k] : angles[k + 1] - angles[k];
      return std::min({before, after, kPi / 2});
    };
    for (std::size_t k = 0; k < angles.size(); ++k) {
      // Where its outer row crosses a neighbour's, and long enough beyond that to end clear.
      const double crossing = n.w / std::tan(least(k) / 2);
      const double length = crossing + (3 + 2 * r.Unit()) * n.w / std::sin(least(k));
      BasePath arm = Line(o, Along(o, angles[k], length));
      if (r.Below(2)) {
        const PointD bend = Along(o, angles[k], crossing * (0.3 + 1.2 * r.Unit()));
        arm = Open({o, bend, Along(bend, angles[k] + Either(r, 3, 15), length)});
      }
      n.Add(arm, false, true, {arm}, r.Below(2));
    }
    if (n.Clear()) return n;
  }
}

// Rows at w (colour 1) and -w (colour 2 or, mirror-symmetric, 1), one or two inner rows.
inline TLineTable Preset(Sequence& r, double w, bool symmetric) {
  TLineTable t;
  const double radius = 1.5 * w * r.Unit(), inner = 0.8 * w * r.Unit();
  t.Lines[0] = {true, w, radius, false, 1, 0, -1};
  t.Lines[1] = {true, -w, symmetric ? radius : 1.5 * w * r.Unit(), false, symmetric ? 1 : 2, 0, -1};
  const double spacings[] = {symmetric ? 0.0 : inner * r.Signed(), inner * r.Signed()};
  t.Lines[2] = {true, spacings[0], w * r.Unit(), false, 3, 0, -1};
  if (r.Below(2)) {  // a second inner row, mirroring the first where the preset is symmetric
    if (symmetric) t.Lines[2].Spacing = inner;
    t.Lines[3] = t.Lines[2];
    t.Lines[3].Spacing = symmetric ? -inner : spacings[1];
    t.Lines[3].ColorIndex = symmetric ? 3 : 4;
  }
  t.Options.Corners = r.Below(2) ? CornerMode::Concentric : CornerMode::PerRow;
  t.Options.BaseRadius = 3 * w * r.Unit();
  // One cap at both ends: chains joined into a band may run either way along it.
  t.Options.StartCap = t.Options.EndCap = static_cast<CapStyle>(r.Below(3));
  return t;
}

// The area a loop of curves encloses, positive counterclockwise.
inline double Area(const std::vector<Curve>& loop) {
  double area = 0;
  for (const Curve& c : loop) {
    area += Cross(c.start, c.end) / 2;
    if (c.arc) area += c.radius * c.radius / 2 * (c.sweep - std::sin(c.sweep));
  }
  return area;
}

// A band's region: the loops of its outline, each run end to start.
struct Region {
  std::vector<std::vector<Curve>> loops;

  // Inside: a non-zero winding number, more than kClose from the outline.
  bool StrictlyInside(PointD p) const {
    double turn = 0;
    for (const auto& loop : loops) {
      for (const Curve& c : loop) {
        if (PointDistance(c.NearestPoint(p), p) <= kClose) return false;
        turn += TurnSeen(p, c);
      }
    }
    return std::lround(turn / (2 * kPi)) != 0;
  }
};

inline Region RegionOf(const Band& band, const TLineTable& table) {
  TLineTable alone = table;  // junction ends, and free ends without caps, closed by a segment
  const auto closing = [](bool free, CapStyle cap) {
    return free && cap != CapStyle::None ? cap : CapStyle::Line;
  };
  alone.Options.StartCap = closing(band.startFree, table.Options.StartCap);
  alone.Options.EndCap = closing(band.endFree, table.Options.EndCap);
  std::vector<Curve> pieces;
  for (const Piece& p : Pieces(BuildMultiLine(band.path, alone, 1.0))) {
    if (p.colour <= 2) pieces.push_back(p.trace);
  }
  Region region;
  std::vector<bool> used(pieces.size(), false);
  for (std::size_t first = 0; first < pieces.size(); ++first) {
    if (used[first]) continue;
    used[first] = true;
    std::vector<Curve> loop = {pieces[first]};
    for (std::size_t i = 0; i < pieces.size(); ++i) {
      const bool forward = PointDistance(pieces[i].start, loop.back().end) < kClose;
      if (used[i] || (!forward && PointDistance(pieces[i].end, loop.back().end) >= kClose))
        continue;
      loop.push_back(forward ? pieces[i] : pieces[i].Reversed());
      used[i] = true;
      i = static_cast<std::size_t>(-1);
    }
    region.loops.push_back(loop);
  }
  // A ring's two rows run opposite ways round, so that the island inside lies outside.
  if (region.loops.size() == 2 && (Area(region.loops[0]) > 0) == (Area(region.loops[1]) > 0)) {
    for (Curve& c : region.loops[1]) c = c.Reversed();
  }
  return region;
}

inline std::string Text(PointD p) {
  std::ostringstream out;
  out.precision(17);
  out << "(" << p.x << ", " << p.y << ")";
  return out.str();
}

// The network and preset, to draw again where a check fails.
inline std::string Describe(const Network& n, const TLineTable& t) {
  std::ostringstream out;
  out.precision(17);
  out << n.kind << "; caps " << static_cast<int>(t.Options.StartCap) << " "
      << static_cast<int>(t.Options.EndCap) << ", corners " << static_cast<int>(t.Options.Corners)
      << ", base radius " << t.Options.BaseRadius << "; rows (spacing radius colour):";
  for (const TLineRow& row : t.Lines) {
    if (row.DrawOn) out << " " << row.Spacing << " " << row.Radius << " " << row.ColorIndex << ",";
  }
  for (const BasePath& chain : n.chains) {
    out << "\nchain" << (chain.closed ? " closed" : "") << ":";
    for (std::size_t k = 0; k < chain.points.size(); ++k) {
      out << " " << Text(chain.points[k]);
      if (const Curve* arc = PathArc(chain, k))
        out << " arc " << Text(arc->centre) << " r " << arc->radius << " " << arc->degrees->start
            << ".." << arc->degrees->end << (RunsClockwise(*arc) ? " cw" : "");
    }
  }
  return out.str();
}

// Each kind's failures of each check: in how many trials, and the first with what reproduces it.
struct Failures {
  std::map<std::string, std::pair<int, int>> trials;  // how many, and the last
  void Add(const std::string& check, int trial, const std::string& what, const Network& n,
           const TLineTable& t) {
    auto [it, first] = trials.try_emplace(n.kind + ": " + check, 0, -1);
    if (first)
      ADD_FAILURE() << check << ", trial " << trial << ": " << what << "\n" << Describe(n, t);
    if (it->second.second != trial) it->second = {it->second.first + 1, trial};
  }
  ~Failures() {
    for (const auto& [what, count] : trials)
      ADD_FAILURE() << what << " in " << count.first << " trials";
  }
};

}  // namespace tq58::network_kinds
