// The outline a network's drawing shows, as the test reads it from the written rows: the outer
// rows, their caps and the junction corners' arcs, closed across each free end without a cap
// by the segment between the outer rows' ends there. A point lies inside where a ray from it
// crosses that outline an odd number of times: no orientation or chaining of the pieces taken
// from the program.
#pragma once

#include <cmath>
#include <numbers>
#include <vector>

#include "network/network_kinds.h"

namespace tq58::network_kinds {

struct DrawnOutline {
  std::vector<Curve> curves;

  double Distance(PointD p) const {
    double d = 1e300;
    for (const Curve& c : curves) d = std::min(d, PointDistance(c.NearestPoint(p), p));
    return d;
  }

  // Whether a ray from p crosses the outline an odd number of times. The ray leaves at an angle
  // that no corner of a solid or of the outline lines up with (those lie at the heights where
  // the slabs are cut, in x or in y), so that it meets no end of a curve.
  bool Inside(PointD p) const {
    const PointD u{std::cos(0.7548776662466927), std::sin(0.7548776662466927)};
    int crossings = 0;
    for (const Curve& c : curves) {
      if (!c.arc) {
        // p + t u = start + s (end - start), t > 0 and 0 <= s < 1.
        const PointD d = Minus(c.end, c.start), w = Minus(c.start, p);
        const double det = Cross(u, d);
        if (det == 0) continue;
        const double t = Cross(w, d) / det, s = Cross(w, u) / det;
        crossings += t > 0 && s >= 0 && s < 1;
        continue;
      }
      // |p + t u - centre| = radius, t > 0, at an angle within the arc's sweep.
      const PointD w = Minus(p, c.centre);
      const double b = Dot(u, w), disc = b * b - (Dot(w, w) - c.radius * c.radius);
      if (disc <= 0) continue;
      for (const double t : {-b - std::sqrt(disc), -b + std::sqrt(disc)}) {
        if (t <= 0) continue;
        double a = std::atan2(w.y + t * u.y, w.x + t * u.x) - c.from;
        if (c.sweep < 0) a = -a;
        a = std::fmod(a, 2 * kPi);
        if (a < 0) a += 2 * kPi;
        crossings += a < std::fabs(c.sweep);
      }
    }
    return crossings % 2 == 1;
  }
};

// The outline of the network's drawing, its outer rows those of colours 1 and 2.
inline DrawnOutline OutlineOf(const MultiLine& lines, const Network& n) {
  DrawnOutline outline;
  for (const Piece& p : Pieces(lines)) {
    if (p.colour <= 2) outline.curves.push_back(p.trace);
  }
  // The ends no other piece meets; those two at a free end are joined there.
  std::vector<PointD> loose;
  for (std::size_t i = 0; i < outline.curves.size(); ++i) {
    for (const PointD end : {outline.curves[i].start, outline.curves[i].end}) {
      bool met = false;
      for (std::size_t j = 0; j < outline.curves.size(); ++j) {
        met = met || (j != i && (PointDistance(outline.curves[j].start, end) < kClose ||
                                 PointDistance(outline.curves[j].end, end) < kClose));
      }
      if (!met) loose.push_back(end);
    }
  }
  for (const PointD f : n.FreeEnds()) {
    std::vector<PointD> there;
    for (const PointD end : loose) {
      if (PointDistance(end, f) < n.w * (1 + 1e-9) + kClose) there.push_back(end);
    }
    if (there.size() == 2) outline.curves.push_back(Curve::Segment(there[0], there[1]));
  }
  return outline;
}

}  // namespace tq58::network_kinds
