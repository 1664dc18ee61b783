// Drawing of one offset line: segments shortened at rounded corners, and the fillet arcs.
#include "exchange/writer.h"
#include "multiline/offset_line.h"
#include "util/geometry.h"

namespace tq58 {

namespace {

struct Segment {
  PointD start;
  PointD end;
};

struct Arc {
  PointD centre;
  PointD from;  // tangent point on the segment that ends at the corner
  PointD to;    // tangent point on the segment that starts there
};

PointD Midpoint(PointD a, PointD b) { return {(a.x + b.x) / 2.0, (a.y + b.y) / 2.0}; }

// Side argument of FilletCorner that puts the centre where `inner` lies relative to the
// segment: on its right only when `inner` is strictly right of it, else on its left.
int FilletSideToward(const Segment& segment, PointD inner) {
  return MyFunc::SideOfLine(segment.start.x, segment.start.y, segment.end.x, segment.end.y, inner.x,
                            inner.y) == -1
             ? 1
             : 0;
}

// The fillet of radius r between line 1 and line 2 on the given side, or false.
bool Fillet(int side, double r, const Segment& line1, const Segment& line2, Arc& arc) {
  return MyFunc::FilletCorner(side, side, r, line1.start.x, line1.start.y, line1.end.x, line1.end.y,
                              line2.start.x, line2.start.y, line2.end.x, line2.end.y, arc.centre.x,
                              arc.centre.y, arc.from.x, arc.from.y, arc.to.x, arc.to.y);
}

// Emits the arc counterclockwise over less than 180 degrees, whichever way the path turns.
void EmitArc(JwwGaibu::WriterState& writer, const Arc& arc, double r) {
  double a = MyFunc::DirectionAngleDeg(arc.from.x - arc.centre.x, arc.from.y - arc.centre.y);
  double b = MyFunc::DirectionAngleDeg(arc.to.x - arc.centre.x, arc.to.y - arc.centre.y);
  double sweep = b - a;
  if (sweep < 0.0) sweep += 360.0;
  if (sweep >= 180.0) MyFunc::ExchangeReals(a, b);
  JwwGaibu::OutArc(writer, arc.centre.x, arc.centre.y, r, a, b, 1.0, 0.0);
}

}  // namespace

void DrawOffsetLine(JwwGaibu::WriterState& writer, const BasePath& path, double radius,
                    const OffsetLineLists& lists) {
  if (path.points.size() < 2) return;
  const std::size_t last = path.points.size() - 2;  // index of the last segment
  const std::vector<PointD>& v = lists.vertices;
  for (std::size_t m = 0; m <= last; ++m) {
    // A working copy: the neighbours below are always the segments as built.
    Segment current{v[m], v[m + 1]};
    const int32_t flags = lists.cornerFlags[m];

    if (flags & kRoundStart) {
      // A rounded start at m = 0 exists only on a closed path: its neighbour is the last.
      const Segment previous = m > 0 ? Segment{v[m - 1], v[m]} : Segment{v[last], v[last + 1]};
      const int side = FilletSideToward(current, Midpoint(previous.start, current.end));
      // Only the start moves; the arc belongs to the segment that ends at this corner.
      Arc startFillet;
      if (Fillet(side, radius, previous, current, startFillet)) current.start = startFillet.to;
    }

    Arc arc;
    bool hasArc = false;
    if (flags & kRoundEnd) {
      // A rounded end of the last segment exists only on a closed path: its neighbour is
      // the first.
      const Segment next = m < last ? Segment{v[m + 1], v[m + 2]} : Segment{v[0], v[1]};
      const int side = FilletSideToward(current, Midpoint(current.start, next.end));
      hasArc = Fillet(side, radius, current, next, arc);
      if (hasArc) current.end = arc.from;
    }

    JwwGaibu::OutSegment(writer, current.start.x, current.start.y, current.end.x, current.end.y);
    if (hasArc) EmitArc(writer, arc, radius);
  }
}

}  // namespace tq58
