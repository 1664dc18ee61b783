// Offset vertices and corner flags of one offset line along the base path.
#include "multiline/offset_line.h"

#include "util/geometry.h"
#include "util/tolerances.h"

namespace tq58 {

namespace {

// Rounds the corner between segments `before` and `after` when both have more than the
// radius (plus the corner tolerance) left.
void MarkCornerIfLongEnough(std::size_t before, std::size_t after, double radius,
                            OffsetLineLists& lists) {
  const double needed = radius + MyFunc::kCornerLengthTolerance;
  if (!(needed < lists.lengths[before] && needed < lists.lengths[after])) return;
  lists.cornerFlags[before] |= kRoundEnd;
  lists.lengths[before] -= radius;
  lists.cornerFlags[after] |= kRoundStart;
  lists.lengths[after] -= radius;
}

}  // namespace

OffsetLineLists::OffsetLineLists(std::size_t basePointCount)
    : vertices(basePointCount + 1), lengths(basePointCount + 1), cornerFlags(basePointCount + 1) {}

void BuildOffsetVertices(const BasePath& path, double spacing, OffsetLineLists& lists) {
  const std::vector<PointD>& p = path.points;
  const std::size_t n = p.size();
  if (n < 2) return;
  PointD lastEnd;
  for (std::size_t k = 0; k + 1 < n; ++k) {
    const SegmentD moved = MyFunc::ParallelLine({p[k], p[k + 1]}, spacing);
    PointD start = moved.start;
    lastEnd = moved.end;

    // The previous base segment; for the first one of a closed path the last, taken as
    // ending at the first point.
    const bool hasPrevious = k > 0 || path.closed;
    if (hasPrevious) {
      const PointD& prevStart = k > 0 ? p[k - 1] : p[n - 2];
      const SegmentD movedPrevious = MyFunc::ParallelLine({prevStart, p[k]}, spacing);
      const MyFunc::LineIntersection corner = MyFunc::IntersectLines(moved, movedPrevious);
      if (corner.kind != MyFunc::Intersection::Parallel) start = corner.point;
    }
    lists.vertices[k] = start;
  }
  lists.vertices[n - 1] = path.closed ? lists.vertices[0] : lastEnd;
}

void MarkRoundedCorners(const BasePath& path, const CornerRadii& radii, OffsetLineLists& lists) {
  if (path.points.size() < 2) return;
  const std::size_t segments = path.points.size() - 1;
  for (std::size_t m = 0; m < segments; ++m) {
    lists.lengths[m] = MyFunc::PointDistance(lists.vertices[m], lists.vertices[m + 1]);
    lists.cornerFlags[m] = 0;
  }
  // The corner between segments c and c + 1 lies at vertex c + 1.
  for (std::size_t c = 0; c + 1 < segments; ++c) {
    MarkCornerIfLongEnough(c, c + 1, radii[c + 1], lists);
  }
  // The closing corner comes last, so the inner corners have first claim on the lengths.
  if (path.closed && segments >= 2) MarkCornerIfLongEnough(segments - 1, 0, radii[0], lists);
}

}  // namespace tq58
