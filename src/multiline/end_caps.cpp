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
  const std::vector<PointD>& p = path.points;
  const std::size_t n = p.size();
  if (path.closed || n < 2 || rows.largest == nullptr) return {};
  if (!(rows.largestSpacing > rows.smallestSpacing)) return {};  // one spacing: nothing to join

  DrawnLine caps{rows.largest, {}};
  // The ends are taken as the offset lines take them: the first and the last base segment
  // moved along their left normals. The largest spacing lies furthest to the left.
  const SegmentD first{p[0], p[1]};
  // Counterclockwise from the left end round the back of the path to the right end.
  AppendCap(caps.pieces, options.StartCap, MyFunc::ParallelLine(first, rows.largestSpacing).start,
            MyFunc::ParallelLine(first, rows.smallestSpacing).start);
  const SegmentD last{p[n - 2], p[n - 1]};
  // Counterclockwise from the right end round the front to the left end.
  AppendCap(caps.pieces, options.EndCap, MyFunc::ParallelLine(last, rows.smallestSpacing).end,
            MyFunc::ParallelLine(last, rows.largestSpacing).end);
  return caps;
}

}  // namespace tq58
