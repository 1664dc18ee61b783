// Offset vertices and corner flags of one offset line along the base path.
#include "multiline/offset_line.h"

#include <numbers>

#include "util/geometry.h"
#include "util/portable_math.h"
#include "util/tolerances.h"

namespace tq58 {

namespace {

// The point p moved by `spacing` along the left normal of the direction t.
PointD MovedAlongLeftNormal(PointD p, double spacing, double t) {
  const double normal = t + std::numbers::pi / 2.0;
  // The portable sine and cosine keep both builds' output identical to the last digit.
  return {p.x + spacing * MyFunc::PortableCos(normal), p.y + spacing * MyFunc::PortableSin(normal)};
}

double DirectionOf(PointD from, PointD to) {
  return MyFunc::DirectionAngle(to.x - from.x, to.y - from.y);
}

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
    const double t = DirectionOf(p[k], p[k + 1]);
    PointD start = MovedAlongLeftNormal(p[k], spacing, t);
    lastEnd = MovedAlongLeftNormal(p[k + 1], spacing, t);

    // The previous base segment; for the first one of a closed path the last, taken as
    // ending at the first point.
    const bool hasPrevious = k > 0 || path.closed;
    if (hasPrevious) {
      const PointD& prevStart = k > 0 ? p[k - 1] : p[n - 2];
      const PointD& prevEnd = p[k];
      const double u = DirectionOf(prevStart, prevEnd);
      const PointD movedStart = MovedAlongLeftNormal(prevStart, spacing, u);
      const PointD movedEnd = MovedAlongLeftNormal(prevEnd, spacing, u);
      double x = 0.0;
      double y = 0.0;
      if (MyFunc::IntersectLines(x, y, start.x, start.y, lastEnd.x, lastEnd.y, movedStart.x,
                                 movedStart.y, movedEnd.x,
                                 movedEnd.y) != MyFunc::Intersection::Parallel) {
        start = {x, y};
      }
    }
    lists.vertices[k] = start;
  }
  lists.vertices[n - 1] = path.closed ? lists.vertices[0] : lastEnd;
}

void MarkRoundedCorners(const BasePath& path, double radius, OffsetLineLists& lists) {
  if (path.points.size() < 2) return;
  const std::size_t segments = path.points.size() - 1;
  for (std::size_t m = 0; m < segments; ++m) {
    const PointD& a = lists.vertices[m];
    const PointD& b = lists.vertices[m + 1];
    lists.lengths[m] = MyFunc::PointDistance(a.x, a.y, b.x, b.y);
    lists.cornerFlags[m] = 0;
  }
  for (std::size_t c = 0; c + 1 < segments; ++c) MarkCornerIfLongEnough(c, c + 1, radius, lists);
  // The closing corner comes last, so the inner corners have first claim on the lengths.
  if (path.closed && segments >= 2) MarkCornerIfLongEnough(segments - 1, 0, radius, lists);
}

}  // namespace tq58
