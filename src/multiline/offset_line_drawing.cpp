// The pieces of one offset line: segments shortened at rounded corners, and the fillet arcs.
#include <optional>

#include "multiline/offset_line.h"
#include "util/geometry.h"

namespace tq58 {

using MyFunc::Fillet;
using MyFunc::Side;

Side FilletSideToward(const SegmentD& segment, PointD inner) {
  return MyFunc::SideOfLine(segment, inner) == Side::Right ? Side::Right : Side::Left;
}

void AppendOffsetLine(const BasePath& path, const CornerRadii& radii, const OffsetLineLists& lists,
                      std::vector<RowPiece>& pieces) {
  if (path.points.size() < 2) return;
  const std::size_t last = path.points.size() - 2;  // index of the last segment
  const std::vector<PointD>& v = lists.vertices;
  for (std::size_t m = 0; m <= last; ++m) {
    // A working copy: the neighbours below are always the segments as built.
    SegmentD current{v[m], v[m + 1]};
    const int32_t flags = lists.cornerFlags[m];

    if (flags & kRoundStart) {
      // A rounded start at m = 0 exists only on a closed path: its neighbour is the last.
      const SegmentD previous = m > 0 ? SegmentD{v[m - 1], v[m]} : SegmentD{v[last], v[last + 1]};
      const Side side = FilletSideToward(current, MyFunc::Midpoint(previous.start, current.end));
      // Only the start moves; the arc belongs to the segment that ends at this corner.
      if (const auto fillet = MyFunc::FilletCorner(side, side, radii[m], previous, current)) {
        current.start = fillet->tangent2;
      }
    }

    std::optional<Fillet> endFillet;
    const double endRadius = radii[m + 1];
    if (flags & kRoundEnd) {
      // A rounded end of the last segment exists only on a closed path: its neighbour is
      // the first.
      const SegmentD next = m < last ? SegmentD{v[m + 1], v[m + 2]} : SegmentD{v[0], v[1]};
      const Side side = FilletSideToward(current, MyFunc::Midpoint(current.start, next.end));
      endFillet = MyFunc::FilletCorner(side, side, endRadius, current, next);
      if (endFillet) current.end = endFillet->tangent1;
    }

    pieces.push_back(current);
    if (endFillet) pieces.push_back(FilletArc(*endFillet, endRadius));
  }
}

}  // namespace tq58
