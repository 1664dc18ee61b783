// A multi-line as geometry: each drawn row (and the end caps) as the segments and circular
// arcs it is drawn with, in drawing order, with the preset row whose attributes it takes.
#pragma once

#include <vector>

#include "geometry/curve.h"
#include "geometry/geometry.h"
#include "presets/presets.h"

namespace tq58 {

using geometry::PointD;
using geometry::SegmentD;

using geometry::Curve;

// One piece of a drawn line: a straight segment from its start to its end, an arc made from the
// degrees the host is given (Curve::FromHost), or a whole circle.
using RowPiece = Curve;

// The arc of `fillet` (radius r) from its tangent point on line 1 to the one on line 2,
// counterclockwise over less than 180 degrees, whichever way the path turns.
Curve FilletArc(const geometry::Fillet& fillet, double r);

// Whether the host is given the piece: the writer leaves out an arc of no sweep, and what is too
// small or not finite.
bool WritesSomething(const RowPiece& piece);

// Where a drawn row of an open path starts and ends.
struct RowEnds {
  PointD start;
  PointD end;
};

// One drawn line: its pieces in the attributes of `row`.
struct DrawnLine {
  const TLineRow* row = nullptr;
  std::vector<RowPiece> pieces;
};

// The drawn rows in row order, then the caps if there are any.
using MultiLine = std::vector<DrawnLine>;

}  // namespace tq58
