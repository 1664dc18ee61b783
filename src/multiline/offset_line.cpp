// Offset vertices and corner flags of one offset line along the base path.
#include "multiline/offset_line.h"

#include "util/geometry.h"
#include "util/tolerances.h"

namespace tq58 {

namespace {

// Whether both segments have more than `needed` (plus the corner tolerance) left in `left`.
bool BothHaveMoreThan(const std::vector<double>& left, std::size_t before, std::size_t after,
                      double needed) {
  const double withTolerance = needed + MyFunc::kCornerLengthTolerance;
  return withTolerance < left[before] && withTolerance < left[after];
}

// Rounds the corner between segments `before` and `after` when both have more than the
// radius left and more than the fillet's tangent length: a fillet that reached past what is
// left of a segment would turn the segment back on itself.
void MarkCornerIfItFits(std::size_t before, std::size_t after, double radius, double tangentLength,
                        OffsetLineLists& lists) {
  if (!BothHaveMoreThan(lists.lengths, before, after, radius) ||
      !BothHaveMoreThan(lists.fitLengths, before, after, tangentLength)) {
    return;
  }
  lists.cornerFlags[before] |= kRoundEnd;
  lists.cornerFlags[after] |= kRoundStart;
  for (const std::size_t m : {before, after}) {
    lists.lengths[m] -= radius;
    lists.fitLengths[m] -= tangentLength;
  }
}

}  // namespace

OffsetLineLists::OffsetLineLists(std::size_t basePointCount)
    : vertices(basePointCount + 1),
      intersected(basePointCount + 1),
      lengths(basePointCount + 1),
      fitLengths(basePointCount + 1),
      against(basePointCount + 1),
      cornerFlags(basePointCount + 1) {}

void BuildOffsetVertices(const BasePath& path, double spacing, OffsetLineLists& lists) {
  const std::vector<PointD>& p = path.points;
  const std::size_t n = p.size();
  if (n < 2) return;
  PointD lastEnd;
  for (std::size_t k = 0; k + 1 < n; ++k) {
    const SegmentD moved = MyFunc::ParallelLine({p[k], p[k + 1]}, spacing);
    PointD start = moved.start;
    lastEnd = moved.end;
    lists.intersected[k] = 0;

    // The previous base segment; for the first one of a closed path the last, taken as
    // ending at the first point.
    const bool hasPrevious = k > 0 || path.closed;
    if (hasPrevious) {
      const PointD& prevStart = k > 0 ? p[k - 1] : p[n - 2];
      const SegmentD movedPrevious = MyFunc::ParallelLine({prevStart, p[k]}, spacing);
      const MyFunc::LineIntersection corner = MyFunc::IntersectLines(moved, movedPrevious);
      if (corner.kind != MyFunc::Intersection::Parallel) {
        start = corner.point;
        lists.intersected[k] = 1;
      }
    }
    lists.vertices[k] = start;
  }
  lists.vertices[n - 1] = path.closed ? lists.vertices[0] : lastEnd;
  lists.intersected[n - 1] = path.closed ? lists.intersected[0] : 0;
}

void MarkRoundedCorners(const BasePath& path, const CornerRadii& radii,
                        const std::vector<FilletReach>& reaches, OffsetLineLists& lists) {
  if (path.points.size() < 2) return;
  const std::vector<PointD>& p = path.points;
  const std::vector<PointD>& v = lists.vertices;
  const std::size_t segments = p.size() - 1;
  for (std::size_t m = 0; m < segments; ++m) {
    lists.lengths[m] = MyFunc::PointDistance(v[m], v[m + 1]);
    lists.fitLengths[m] = lists.lengths[m];
    lists.cornerFlags[m] = 0;
    const double along = (v[m + 1].x - v[m].x) * (p[m + 1].x - p[m].x) +
                         (v[m + 1].y - v[m].y) * (p[m + 1].y - p[m].y);
    lists.against[m] = along < 0.0 ? 1 : 0;
  }
  const auto markCorner = [&](std::size_t before, std::size_t after, std::size_t vertex) {
    const FilletReach& reach = reaches[vertex];
    const double factor =
        lists.against[before] == lists.against[after] ? reach.alongBase : reach.oneReversed;
    const double tangentLength = lists.intersected[vertex] ? radii[vertex] * factor : 0.0;
    MarkCornerIfItFits(before, after, radii[vertex], tangentLength, lists);
  };
  // The corner between segments c and c + 1 lies at vertex c + 1.
  for (std::size_t c = 0; c + 1 < segments; ++c) markCorner(c, c + 1, c + 1);
  // The closing corner comes last, so the inner corners have first claim on the lengths.
  if (path.closed && segments >= 2) markCorner(segments - 1, 0, 0);
}

}  // namespace tq58
