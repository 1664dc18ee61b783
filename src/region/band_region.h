// A band's region: the area that its own outer rows enclose as they are drawn, closed at each
// end by its cap, or by the segment between its outer rows' ends.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "geometry/curve.h"
#include "geometry/geometry.h"
#include "path/base_path.h"
#include "rows/row_pieces.h"

namespace tq58 {

using geometry::Curve;

// How one end of an open band is closed.
enum class EndClosing {
  Cap,      // by the preset's cap, drawn in the caps line
  Open,     // by a segment drawn nowhere: a free end without a cap, or a seam
  Junction  // by a segment drawn where no other band covers it, in the outer rows' attributes
};

// How a free end (neither at a junction nor a seam) is closed: by its cap where the caps line is
// drawn and the end has one, else open.
EndClosing FreeEndClosing(bool capsDrawn, CapStyle cap);

// A junction end back to back with another band's end: the back is closed by one segment
// between the two ends' outer rows on that side, instead of their closing segments.
struct BackClosing {
  bool left = false;  // the back lies left of this band's travel: its row of largest spacing
  // Where the other end's back row ends, where this end's row draws the segment: the segment's
  // far end, and the corner of the triangle (with the junction point) that the region takes in.
  std::optional<geometry::PointD> to;
};

// One curve of a region's outline, in the outline's direction, and what draws it.
struct OutlineCurve {
  Curve curve;
  int line = -1;  // the drawn line and its piece that draw it; -1: drawn by none
  int piece = -1;
};

struct BandRegion {
  std::vector<OutlineCurve> outline;
  std::vector<Curve> curves;  // the same curves, to locate points against
  geometry::Box box;
};

// The rows of a band as drawn, with what the region needs to know of them.
struct DrawnBand {
  const BasePath* path = nullptr;
  const MultiLine* lines = nullptr;
  const std::vector<std::optional<RowEnds>>* rowEnds = nullptr;  // per drawn row
  std::size_t smallest = 0, largest = 0;                         // the lines of the outer rows
  std::size_t capsLine = 0;  // where the caps line is, if any is drawn
  EndClosing start = EndClosing::Open, end = EndClosing::Open;
  // At a junction end back to back with another band: the half of the closing segment on the
  // back is drawn by none, and, where this end draws the back, its back row runs on to the
  // other end's.
  std::optional<BackClosing> startBack, endBack;
};

// A segment that closes a junction end, drawn by an outer row: `line` of the band, where it is
// piece number `piece` once it and the closing segments before it are added to the line's end.
struct ClosingSegment {
  std::size_t line = 0;
  std::size_t piece = 0;
  Curve segment;
};

struct BuiltBandRegion {
  BandRegion region;
  // In the order they are to be added; the region's outline names them by line and piece.
  std::vector<ClosingSegment> closings;
};

// The band's region, read from its rows, which it leaves as they are. A junction end's closing
// segment goes to the outer rows' lines in two halves, each in the attributes of the row whose
// end it leaves, to be drawn where it is not covered; the outline reads an outer row as it will
// be drawn, with the closing segments given to it so far. A row that draws nothing is stood in
// for by the centre line, drawn by none.
BuiltBandRegion BuildBandRegion(const DrawnBand& band, double tolerance);

// Adds the closing segments to the ends of their lines, in order, so that each is the piece the
// region's outline names.
void AddClosings(MultiLine& lines, const std::vector<ClosingSegment>& closings);

}  // namespace tq58
