// The base path of a multi-line: the indicated points up to the first missing one, or a chain
// of selected segments and circular arcs.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "exchange/model.h"
#include "geometry/circle_geometry.h"
#include "geometry/geometry.h"

namespace tq58 {

using geometry::PointD;

// A circular arc of a base path as the host wrote it (a tilt already added to its angles; 0 to
// 360 for a full circle), and which way the path runs along it.
struct BaseArc : geometry::HostArc {
  bool clockwise = false;  // the path runs along it from its end to its start

  bool operator==(const BaseArc&) const = default;
};

struct BasePath {
  std::vector<PointD> points;  // P[1..n] of the indicated points, held from index 0
  bool closed = false;         // the last point repeats the first
  // Per segment k, from points[k] to points[k + 1]: the arc it runs along, or none for a
  // straight segment. Empty for a polyline. A closed path of one arc of 360 degrees is a circle.
  std::vector<std::optional<BaseArc>> arcs;
};

// The arc of segment k, or none for a straight segment.
const BaseArc* PathArc(const BasePath& path, std::size_t k);

// The angle (degrees, as the host wrote it) at which the path enters the arc, and leaves it.
inline double EntryDeg(const BaseArc& arc) { return arc.clockwise ? arc.endDeg : arc.startDeg; }
inline double ExitDeg(const BaseArc& arc) { return arc.clockwise ? arc.startDeg : arc.endDeg; }

// The radius of the arc's offset at signed distance `spacing` to the left of the direction of
// travel: the centre lies on the left of an arc run counterclockwise.
inline double OffsetRadius(const BaseArc& arc, double spacing) {
  return arc.radius + (arc.clockwise ? spacing : -spacing);
}

// The angle an arc turns through, in degrees (geometry::SweepDeg).
double ArcSweepDeg(const BaseArc& arc);

// The unit direction in which the path runs at the start (or the end) of segment k: along the
// segment, or along its arc's tangent there; (0, 0) for a segment of no length.
PointD DirectionAtStart(const BasePath& path, std::size_t k);
PointD DirectionAtEnd(const BasePath& path, std::size_t k);

// Points 1, 2, 3, ... of `hpPoints` up to the first undefined one, looking at no more than
// points 1 .. pointLimit + 1 (and never beyond point 99).
BasePath TakeBasePath(const std::array<exchange::THpPoint, exchange::kHpPointSlots>& hpPoints,
                      int32_t pointLimit);

}  // namespace tq58
