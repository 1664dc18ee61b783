// End caps of an open multi-line, joining the ends of its outermost rows.
#include "multiline/end_caps.h"

#include <vector>

#include "util/geometry.h"

namespace tq58 {

namespace {

// Closes an end from `from` to `to`: a segment, or the half circle between them that runs
// counterclockwise from `from`, as the host draws arcs.
void AppendCap(std::vector<RowPiece>& pieces, CapStyle style, PointD from, PointD to) {
  if (style == CapStyle::Line) {
    pieces.push_back(SegmentD{from, to});
  } else if (style == CapStyle::Arc) {
    const PointD centre = MyFunc::Midpoint(from, to);
    const double a = MyFunc::DirectionAngleDeg(from.x - centre.x, from.y - centre.y);
    const double b = MyFunc::DirectionAngleDeg(to.x - centre.x, to.y - centre.y);
    pieces.push_back(ArcPiece{centre, MyFunc::PointDistance(from, to) / 2.0, a, b});
  }
}

// Where the row at `spacing` starts (or ends) as the offset lines take their ends: the first
// (last) base segment moved along its left normal, or its arc's offset at the path's end.
PointD RowEnd(const BasePath& path, double spacing, bool atStart) {
  const std::size_t k = atStart ? 0 : path.points.size() - 2;
  if (k < path.arcs.size() && path.arcs[k]) {
    const BaseArc& arc = *path.arcs[k];
    const bool entry = atStart != arc.clockwise;  // the host's start angle, or its end angle
    return MyFunc::PointAtAngle(arc.centre, arc.radius + (arc.clockwise ? spacing : -spacing),
                                entry ? arc.startDeg : arc.endDeg);
  }
  const SegmentD moved = MyFunc::ParallelLine({path.points[k], path.points[k + 1]}, spacing);
  return atStart ? moved.start : moved.end;
}

}  // namespace

void OutermostRows::Consider(const TLineRow& row, double spacing) {
  if (largest == nullptr) {
    largest = &row;
    largestSpacing = spacing;
    smallestSpacing = spacing;
    return;
  }
  if (spacing > largestSpacing) {
    largest = &row;
    largestSpacing = spacing;
  }
  if (spacing < smallestSpacing) smallestSpacing = spacing;
}

std::optional<DrawnLine> BuildEndCaps(const BasePath& path, const TPresetOptions& options,
                                      const OutermostRows& rows) {
  if (options.StartCap == CapStyle::None && options.EndCap == CapStyle::None) return {};
  if (path.closed || path.points.size() < 2 || rows.largest == nullptr) return {};
  if (!(rows.largestSpacing > rows.smallestSpacing)) return {};  // one spacing: nothing to join

  DrawnLine caps{rows.largest, {}};
  // The largest spacing lies furthest to the left. Counterclockwise from the left end round
  // the back of the path to the right end, and at the end from the right end round the front.
  AppendCap(caps.pieces, options.StartCap, RowEnd(path, rows.largestSpacing, true),
            RowEnd(path, rows.smallestSpacing, true));
  AppendCap(caps.pieces, options.EndCap, RowEnd(path, rows.smallestSpacing, false),
            RowEnd(path, rows.largestSpacing, false));
  return caps;
}

}  // namespace tq58
