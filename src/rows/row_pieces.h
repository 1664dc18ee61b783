// A multi-line as geometry: each drawn row (and the end caps) as the segments and circular
// arcs it is drawn with, in drawing order, with the preset row whose attributes it takes.
#pragma once

#include <variant>
#include <vector>

#include "geometry/geometry.h"
#include "presets/presets.h"

namespace tq58 {

using geometry::PointD;
using geometry::SegmentD;

// A circular arc counterclockwise from `startDeg` to `endDeg`, degrees as the host writes
// them (drawing units for the centre and the radius).
struct ArcPiece {
  PointD centre;
  double radius = 0.0;
  double startDeg = 0.0;
  double endDeg = 0.0;

  bool operator==(const ArcPiece&) const = default;
};

// A full circle.
struct CirclePiece {
  PointD centre;
  double radius = 0.0;

  bool operator==(const CirclePiece&) const = default;
};

// One piece of a drawn line: a straight segment from its start to its end, an arc, a circle.
using RowPiece = std::variant<SegmentD, ArcPiece, CirclePiece>;

// The arc of `fillet` (radius r) from its tangent point on line 1 to the one on line 2,
// counterclockwise over less than 180 degrees, whichever way the path turns.
ArcPiece FilletArc(const geometry::Fillet& fillet, double r);

// Whether the host is given the piece: the writer leaves out what is too small or not finite.
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
