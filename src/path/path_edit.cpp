// Editing base paths of segments and arcs; an arc cut at a point takes that point's angle.
#include "path/path_edit.h"

#include <cmath>
#include <numbers>

#include "geometry/geometry.h"
#include "geometry/tolerances.h"
#include "geometry/vector2.h"

namespace tq58 {

namespace {

// Makes `arcs` hold one entry per segment once any of the path's segments is an arc.
void PadArcs(BasePath& path) {
  if (!path.arcs.empty()) path.arcs.resize(path.points.size() - 1);
}

// The arc from where the path enters it up to `at`, and from `at` on, `at` taking the degrees
// of its direction from the centre.
std::pair<Curve, Curve> SplitArc(const Curve& arc, PointD at) {
  const double cut = geometry::DirectionAngleDeg(at.x - arc.centre.x, at.y - arc.centre.y);
  const Curve::Degrees d = *arc.degrees;
  const bool clockwise = RunsClockwise(arc);
  const auto part = [&](double from, double to) {
    return PathArcOf(arc.centre, arc.radius, from, to, clockwise);
  };
  if (clockwise) return {part(cut, d.end), part(d.start, cut)};
  return {part(d.start, cut), part(cut, d.end)};
}

// The segments k .. to of `path` (to exclusive) as a path of their own.
BasePath Segments(const BasePath& path, std::size_t k, std::size_t to) {
  BasePath part;
  part.points.assign(path.points.begin() + static_cast<std::ptrdiff_t>(k),
                     path.points.begin() + static_cast<std::ptrdiff_t>(to + 1));
  if (!path.arcs.empty()) {
    part.arcs.assign(path.arcs.begin() + static_cast<std::ptrdiff_t>(k),
                     path.arcs.begin() + static_cast<std::ptrdiff_t>(to));
  }
  return part;
}

}  // namespace

BasePath Reversed(const BasePath& path) {
  BasePath r = path;
  r.points.assign(path.points.rbegin(), path.points.rend());
  r.arcs.assign(path.arcs.rbegin(), path.arcs.rend());
  for (std::optional<Curve>& arc : r.arcs) {
    if (arc) arc = arc->Reversed();
  }
  return r;
}

BasePath Joined(const BasePath& a, const BasePath& b) {
  BasePath joined = a;
  if (a.arcs.empty() && !b.arcs.empty()) joined.arcs.resize(a.points.size() - 1);
  joined.points.insert(joined.points.end(), b.points.begin() + 1, b.points.end());
  if (!joined.arcs.empty()) {
    if (b.arcs.empty()) {
      joined.arcs.resize(joined.points.size() - 1);
    } else {
      joined.arcs.insert(joined.arcs.end(), b.arcs.begin(), b.arcs.end());
    }
  }
  joined.closed = false;
  return joined;
}

std::pair<BasePath, BasePath> SplitAt(const BasePath& path, std::size_t k, PointD at) {
  const std::size_t n = path.points.size() - 1;
  BasePath before = Segments(path, 0, k + 1), after = Segments(path, k, n);
  before.points.back() = at;
  after.points.front() = at;
  if (const Curve* arc = PathArc(path, k)) {
    auto [first, second] = SplitArc(*arc, at);
    before.arcs.back() = first;
    after.arcs.front() = second;
  }
  if (!path.closed) return {before, after};
  // Round from the cut to the end, then from the start to the cut.
  return {BasePath{}, Joined(after, before)};
}

std::pair<BasePath, BasePath> SplitAtVertex(const BasePath& path, std::size_t v) {
  return {Segments(path, 0, v), Segments(path, v, path.points.size() - 1)};
}

Curve BaseCurve(const BasePath& path, std::size_t k) {
  if (const Curve* arc = PathArc(path, k)) {
    return Curve::FromHost(arc->centre, arc->radius, arc->degrees->start, arc->degrees->end);
  }
  return Curve::Segment(path.points[k], path.points[k + 1]);
}

BasePath RunOn(const BasePath& path, PointD to) {
  BasePath on = path;
  if (PathArc(path, path.points.size() - 2) == nullptr) {
    on.points.back() = to;
    return on;
  }
  on.points.push_back(to);
  PadArcs(on);
  return on;
}

BasePath WithoutStraightJoints(const BasePath& path) {
  BasePath out = path;
  out.points = {path.points.front()};
  out.arcs.clear();
  for (std::size_t v = 1; v < path.points.size(); ++v) {
    const bool inner = v + 1 < path.points.size();
    const bool straight =
        inner && PathArc(path, v - 1) == nullptr && PathArc(path, v) == nullptr &&
        geometry::TurnBetween(DirectionAtEnd(path, v - 1), DirectionAtStart(path, v)) ==
            geometry::Turn::Straight;
    if (straight) continue;
    out.points.push_back(path.points[v]);
    if (!path.arcs.empty()) out.arcs.push_back(path.arcs[v - 1]);
  }
  // A closed path's start is inner too: where it lies in a straight run (a ring cut there and
  // joined again), the ring starts at the next vertex instead.
  const std::size_t n = out.points.size() - 1;
  if (out.closed && n >= 3 && PathArc(out, 0) == nullptr && PathArc(out, n - 1) == nullptr &&
      geometry::TurnBetween(DirectionAtEnd(out, n - 1), DirectionAtStart(out, 0)) ==
          geometry::Turn::Straight) {
    out.points.erase(out.points.begin());
    out.points.back() = out.points.front();
    if (!out.arcs.empty()) out.arcs.erase(out.arcs.begin());
  }
  return out;
}

}  // namespace tq58
