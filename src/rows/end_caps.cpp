// End caps of an open multi-line, joining the ends of its outermost rows, and with concentric
// arc caps those of each pair of rows inside them.
#include "rows/end_caps.h"

#include <algorithm>

#include "geometry/geometry.h"

namespace tq58 {

namespace {

// Closes an end from `from` to `to`: a segment, or the half circle between them that runs
// counterclockwise from `from`, as the host draws arcs.
void AppendCap(std::vector<RowPiece>& pieces, CapStyle style, PointD from, PointD to) {
  if (style == CapStyle::Line) {
    pieces.push_back(Curve::Segment(from, to));
  } else if (style == CapStyle::Arc || style == CapStyle::ConcentricArc) {
    const PointD centre = geometry::Midpoint(from, to);
    const double a = geometry::DirectionAngleDeg(from.x - centre.x, from.y - centre.y);
    const double b = geometry::DirectionAngleDeg(to.x - centre.x, to.y - centre.y);
    pieces.push_back(Curve::FromHost(centre, geometry::PointDistance(from, to) / 2.0, a, b));
  }
}

// One row per distinct spacing, the largest spacing first. Rows with the same spacing lie on
// one another, so only the first of them in row order is joined: a second half circle would
// draw over the first.
std::vector<const CapRow*> RowsBySpacing(const std::vector<CapRow>& rows) {
  std::vector<const CapRow*> distinct;
  for (const CapRow& row : rows) {
    const bool seen = std::any_of(distinct.begin(), distinct.end(),
                                  [&](const CapRow* r) { return r->spacing == row.spacing; });
    if (!seen) distinct.push_back(&row);
  }
  std::sort(distinct.begin(), distinct.end(),
            [](const CapRow* a, const CapRow* b) { return a->spacing > b->spacing; });
  return distinct;
}

// What closes an end of the pair `pair` places in from the outside: the preset's cap on the
// outermost pair; further in only concentric arcs.
CapStyle CapOfPair(CapStyle style, std::size_t pair) {
  return pair == 0 || style == CapStyle::ConcentricArc ? style : CapStyle::None;
}

}  // namespace

std::vector<DrawnLine> BuildEndCaps(const BasePath& path, const EndCaps& styles,
                                    const std::vector<CapRow>& rows) {
  if (styles.start == CapStyle::None && styles.end == CapStyle::None) return {};
  if (path.closed) return {};
  // Paired from the outside in, largest spacing with smallest; an odd middle row stays open.
  const std::vector<const CapRow*> bySpacing = RowsBySpacing(rows);
  const bool concentric =
      styles.start == CapStyle::ConcentricArc || styles.end == CapStyle::ConcentricArc;
  const std::size_t pairs =
      concentric ? bySpacing.size() / 2 : std::min<std::size_t>(bySpacing.size() / 2, 1);

  std::vector<DrawnLine> caps;
  for (std::size_t k = 0; k < pairs; ++k) {
    const CapRow& left = *bySpacing[k];  // the larger spacing lies further to the left
    const CapRow& right = *bySpacing[bySpacing.size() - 1 - k];
    if (!left.ends || !right.ends) {
      // A row that draws nothing has no end to join. Where the outermost pair stays open, the
      // band's end is open and the pairs inside it stay open too: the first caps line, where
      // there is one, is always the outermost pair's, which closes the band.
      if (k == 0) break;
      continue;
    }
    DrawnLine& line = caps.emplace_back(DrawnLine{left.row, {}});
    // Counterclockwise from the left end round the back of the path to the right end, and at
    // the end from the right end round the front to the left end.
    AppendCap(line.pieces, CapOfPair(styles.start, k), left.ends->start, right.ends->start);
    AppendCap(line.pieces, CapOfPair(styles.end, k), right.ends->end, left.ends->end);
  }
  return caps;
}

}  // namespace tq58
