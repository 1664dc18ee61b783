// Fills checked against the test's own models: the solids read as the host would draw them,
// each checked for the shape the host takes, and a fill's cover of a grid round regions of the
// test's own.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <variant>
#include <vector>

#include "fill/solids.h"
#include "network/network_kinds.h"

namespace tq58::network_kinds {

inline double Turn(PointD o, PointD a, PointD b) { return Cross(Minus(a, o), Minus(b, o)); }

// Whether the angle of p about c lies within the sweep from `start`.
inline bool WithinSweep(PointD c, PointD p, double start, double sweep) {
  double a = std::fmod(std::atan2(p.y - c.y, p.x - c.x) - start, 2 * kPi);
  if (a < 0) a += 2 * kPi;
  return a <= sweep + 1e-12 || a >= 2 * kPi - 1e-12;
}

inline bool InTriangle(PointD p, PointD a, PointD b, PointD c) {
  return Turn(a, b, p) >= 0 && Turn(b, c, p) >= 0 && Turn(c, a, p) >= 0;
}

// An arc solid as the host takes it: counterclockwise from `start` over `sweep`.
struct HostSolidArc {
  PointD centre;
  double radius, start, sweep;
  ArcArea kind;
};

inline HostSolidArc HostArcOf(const SolidArc& s) {
  const Curve a = s.arc.Counterclockwise();
  return {a.centre, a.radius, a.from, a.sweep, s.kind};
}

// Whether the solid covers p, as the host draws it.
inline bool Covers(const Solid& solid, PointD p) {
  if (const auto* s = std::get_if<SolidPolygon>(&solid)) {
    for (int i = 0; i < s->count; ++i) {
      if (Turn(s->corners[i], s->corners[(i + 1) % s->count], p) < 0) return false;
    }
    return true;
  }
  if (const auto* s = std::get_if<SolidRingSector>(&solid)) {
    const Curve o = s->outer.Counterclockwise();
    const double d = PointDistance(o.centre, p);
    return d >= s->inner && d <= o.radius && WithinSweep(o.centre, p, o.from, o.sweep);
  }
  const HostSolidArc a = HostArcOf(std::get<SolidArc>(solid));
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
inline std::string Malformed(const Solid& solid) {
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
    const Curve o = s->outer.Counterclockwise();
    return s->inner > 0 && s->inner < o.radius && o.sweep > 0 && o.sweep <= 2 * kPi
               ? ""
               : "so out of range";
  }
  const HostSolidArc a = HostArcOf(std::get<SolidArc>(solid));
  const double most = a.kind == ArcArea::TangentCorner ? kPi / 2 : 2 * kPi;
  return a.radius > 0 && a.sweep > 0 && a.sweep <= most ? "" : "sc out of range";
}

// Checks the solids over a grid of points round the regions. `spill` is how far outside every
// region a solid may reach.
inline void CheckCoverage(const std::vector<Region>& regions, const Solids& solids, double spill,
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

}  // namespace tq58::network_kinds
