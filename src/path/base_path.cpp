// The base polyline of a multi-line: the indicated points up to the first missing one.
#include "path/base_path.h"

#include <algorithm>
#include <cmath>

#include "geometry/circle_geometry.h"
#include "geometry/curve.h"
#include "geometry/tolerances.h"
#include "util/portable_math.h"

namespace tq58 {

namespace {

// The unit direction of travel at `degrees` on an arc run counterclockwise, or clockwise.
PointD ArcDirection(const Curve& arc, double degrees) {
  const double t = geometry::Radians(degrees);
  const double sine = util::PortableSin(t), cosine = util::PortableCos(t);
  return RunsClockwise(arc) ? PointD{sine, -cosine} : PointD{-sine, cosine};
}

PointD SegmentDirection(const BasePath& path, std::size_t k) {
  const PointD a = path.points[k], b = path.points[k + 1];
  return geometry::UnitVector(b.x - a.x, b.y - a.y);
}

}  // namespace

Curve PathArcOf(PointD centre, double radius, double startDeg, double endDeg, bool clockwise) {
  const Curve arc = Curve::FromHost(centre, radius, startDeg, endDeg);
  return clockwise ? arc.Reversed() : arc;
}

const Curve* PathArc(const BasePath& path, std::size_t k) {
  return k < path.arcs.size() && path.arcs[k] ? &*path.arcs[k] : nullptr;
}

Curve OffsetArc(const Curve& arc, double spacing) {
  return PathArcOf(arc.centre, OffsetRadius(arc, spacing), arc.degrees->start, arc.degrees->end,
                   RunsClockwise(arc));
}

double ArcSweepDeg(const Curve& arc) {
  return geometry::SweepDeg(arc.degrees->start, arc.degrees->end);
}

PointD DirectionAtStart(const BasePath& path, std::size_t k) {
  const Curve* arc = PathArc(path, k);
  if (arc == nullptr) return SegmentDirection(path, k);
  return ArcDirection(*arc, EntryDeg(*arc));
}

PointD DirectionAtEnd(const BasePath& path, std::size_t k) {
  const Curve* arc = PathArc(path, k);
  if (arc == nullptr) return SegmentDirection(path, k);
  return ArcDirection(*arc, ExitDeg(*arc));
}

BasePath TakeBasePath(const std::array<exchange::THpPoint, exchange::kHpPointSlots>& hpPoints,
                      int32_t pointLimit) {
  // Widened before adding 1 so that the largest limit does not overflow.
  const int64_t lastIndex = std::min<int64_t>(int64_t{pointLimit} + 1, exchange::kHpPointSlots - 1);
  BasePath path;
  for (int64_t i = 1; i <= lastIndex; ++i) {
    const exchange::THpPoint& hp = hpPoints[static_cast<std::size_t>(i)];
    if (!hp.Defined) break;  // points after a gap are ignored
    path.points.push_back({hp.X, hp.Y});
  }
  if (!path.points.empty()) {
    path.closed = geometry::SamePoint(path.points.front(), path.points.back(),
                                      geometry::kClosedPathTolerance);
  }
  return path;
}

}  // namespace tq58
