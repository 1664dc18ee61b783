// The base path of a multi-line: the indicated points up to the first missing one, or a chain
// of selected segments and circular arcs.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

#include "exchange/model.h"
#include "geometry/curve.h"
#include "geometry/geometry.h"

namespace tq58 {

using geometry::Curve;
using geometry::PointD;

// The arc of a base path: the host's arc about `centre` counterclockwise from `startDeg` to
// `endDeg` as it wrote them (a tilt already added; 0 to 360 for a full circle), made from those
// degrees (Curve::FromHost), and run clockwise, from its end to its start, where the path runs
// that way.
Curve PathArcOf(PointD centre, double radius, double startDeg, double endDeg, bool clockwise);

// Whether the path runs clockwise along its arc: the sweep is negative, or −0 for an arc of no
// sweep run backwards.
inline bool RunsClockwise(const Curve& arc) { return std::signbit(arc.sweep); }

struct BasePath {
  std::vector<PointD> points;  // P[1..n] of the indicated points, held from index 0
  bool closed = false;         // the last point repeats the first
  // Per segment k, from points[k] to points[k + 1]: the arc it runs along (PathArcOf), or none
  // for a straight segment. Empty for a polyline. A closed path of one arc of 360 degrees is a
  // circle.
  std::vector<std::optional<Curve>> arcs;
};

// The arc of segment k, or none for a straight segment.
const Curve* PathArc(const BasePath& path, std::size_t k);

// The angle (degrees, as the host wrote it) at which the path enters the arc, and leaves it.
inline double EntryDeg(const Curve& arc) {
  return RunsClockwise(arc) ? arc.degrees->end : arc.degrees->start;
}
inline double ExitDeg(const Curve& arc) {
  return RunsClockwise(arc) ? arc.degrees->start : arc.degrees->end;
}

// The radius of the arc's offset at signed distance `spacing` to the left of the direction of
// travel: the centre lies on the left of an arc run counterclockwise.
inline double OffsetRadius(const Curve& arc, double spacing) {
  return arc.radius + (RunsClockwise(arc) ? spacing : -spacing);
}

// The arc's offset at `spacing`: the same degrees about the same centre, run the same way, of
// OffsetRadius.
Curve OffsetArc(const Curve& arc, double spacing);

// The angle an arc turns through, in degrees (geometry::SweepDeg of its degrees).
double ArcSweepDeg(const Curve& arc);

// The unit direction in which the path runs at the start (or the end) of segment k: along the
// segment, or along its arc's tangent there; (0, 0) for a segment of no length.
PointD DirectionAtStart(const BasePath& path, std::size_t k);
PointD DirectionAtEnd(const BasePath& path, std::size_t k);

// Points 1, 2, 3, ... of `hpPoints` up to the first undefined one, looking at no more than
// points 1 .. pointLimit + 1 (and never beyond point 99).
BasePath TakeBasePath(const std::array<exchange::THpPoint, exchange::kHpPointSlots>& hpPoints,
                      int32_t pointLimit);

}  // namespace tq58
