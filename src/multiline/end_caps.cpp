// End caps of an open multi-line, joining the ends of its outermost rows.
#include "multiline/end_caps.h"

#include <vector>

#include "exchange/writer.h"
#include "multiline/row_attributes.h"
#include "util/geometry.h"

namespace tq58 {

namespace {

using MyFunc::PointD;
using MyFunc::SegmentD;

// Closes an end from `from` to `to`: a segment, or the half circle between them that runs
// counterclockwise from `from`, as the host draws arcs.
void EmitCap(JwwGaibu::WriterState& writer, CapStyle style, PointD from, PointD to) {
  if (style == CapStyle::Line) {
    JwwGaibu::OutSegment(writer, from.x, from.y, to.x, to.y);
  } else if (style == CapStyle::Arc) {
    const PointD centre = MyFunc::Midpoint(from, to);
    const double a = MyFunc::DirectionAngleDeg(from.x - centre.x, from.y - centre.y);
    const double b = MyFunc::DirectionAngleDeg(to.x - centre.x, to.y - centre.y);
    // A circular arc: flatness 1, no tilt.
    JwwGaibu::OutArc(writer, centre.x, centre.y, MyFunc::PointDistance(from, to) / 2.0, a, b, 1.0,
                     0.0);
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

void DrawEndCaps(const JwwGaibu::ExchangeModel& model, JwwGaibu::WriterState& writer,
                 const BasePath& path, const TPresetOptions& options, const OutermostRows& rows) {
  if (options.StartCap == CapStyle::None && options.EndCap == CapStyle::None) return;
  const std::vector<PointD>& p = path.points;
  const std::size_t n = p.size();
  if (path.closed || n < 2 || rows.largest == nullptr) return;
  if (!(rows.largestSpacing > rows.smallestSpacing)) return;  // one spacing: nothing to join

  OutRowAttributes(model, writer, *rows.largest);
  // The ends are taken as the offset lines take them: the first and the last base segment
  // moved along their left normals. The largest spacing lies furthest to the left.
  const SegmentD first{p[0], p[1]};
  // Counterclockwise from the left end round the back of the path to the right end.
  EmitCap(writer, options.StartCap, MyFunc::ParallelLine(first, rows.largestSpacing).start,
          MyFunc::ParallelLine(first, rows.smallestSpacing).start);
  const SegmentD last{p[n - 2], p[n - 1]};
  // Counterclockwise from the right end round the front to the left end.
  EmitCap(writer, options.EndCap, MyFunc::ParallelLine(last, rows.smallestSpacing).end,
          MyFunc::ParallelLine(last, rows.largestSpacing).end);
}

}  // namespace tq58
