// End caps of an open multi-line, joining the ends of its outermost rows.
#include "rows/end_caps.h"

#include <vector>

#include "geometry/geometry.h"

namespace tq58 {

namespace {

// Closes an end from `from` to `to`: a segment, or the half circle between them that runs
// counterclockwise from `from`, as the host draws arcs.
void AppendCap(std::vector<RowPiece>& pieces, CapStyle style, PointD from, PointD to) {
  if (style == CapStyle::Line) {
    pieces.push_back(SegmentD{from, to});
  } else if (style == CapStyle::Arc) {
    const PointD centre = geometry::Midpoint(from, to);
    const double a = geometry::DirectionAngleDeg(from.x - centre.x, from.y - centre.y);
    const double b = geometry::DirectionAngleDeg(to.x - centre.x, to.y - centre.y);
    pieces.push_back(HostArc{centre, geometry::PointDistance(from, to) / 2.0, a, b});
  }
}

}  // namespace

void OutermostRows::Consider(const TLineRow& row, double spacing,
                             const std::optional<RowEnds>& ends) {
  if (largest == nullptr) {
    largest = &row;
    largestSpacing = smallestSpacing = spacing;
    largestEnds = smallestEnds = ends;
    return;
  }
  if (spacing > largestSpacing) {
    largest = &row;
    largestSpacing = spacing;
    largestEnds = ends;
  }
  if (spacing < smallestSpacing) {
    smallestSpacing = spacing;
    smallestEnds = ends;
  }
}

std::optional<DrawnLine> BuildEndCaps(const BasePath& path, const TPresetOptions& options,
                                      const OutermostRows& rows) {
  if (options.StartCap == CapStyle::None && options.EndCap == CapStyle::None) return {};
  if (path.closed || rows.largest == nullptr) return {};
  if (!(rows.largestSpacing > rows.smallestSpacing)) return {};  // one spacing: nothing to join
  if (!rows.largestEnds || !rows.smallestEnds) return {};
  const RowEnds& left = *rows.largestEnds;  // the largest spacing lies furthest to the left
  const RowEnds& right = *rows.smallestEnds;

  DrawnLine caps{rows.largest, {}};
  // Counterclockwise from the left end round the back of the path to the right end, and at
  // the end from the right end round the front to the left end.
  AppendCap(caps.pieces, options.StartCap, left.start, right.start);
  AppendCap(caps.pieces, options.EndCap, right.end, left.end);
  return caps;
}

}  // namespace tq58
