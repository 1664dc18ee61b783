// A band's fill: its region outline as the junction cleaning builds it, filled.
#include "region/band_fill.h"

#include <algorithm>
#include <cmath>

#include "fill/outline_fill.h"
#include "geometry/tolerances.h"
#include "path/chaining.h"
#include "region/band_region.h"
#include "rows/row_spacings.h"

namespace tq58 {

namespace {

double LargestCoordinate(const MultiLine& lines) {
  double largest = 0.0;
  for (const DrawnLine& line : lines) {
    for (const RowPiece& c : line.pieces) {
      largest = std::max({largest, std::fabs(c.start.x), std::fabs(c.start.y), std::fabs(c.end.x),
                          std::fabs(c.end.y)});
    }
  }
  return largest;
}

}  // namespace

Solids FillBand(const BasePath& path, const MultiLine& lines,
                const std::vector<std::optional<RowEnds>>& rowEnds, const TLineTable& table,
                double scale) {
  if (path.points.size() < 2 || rowEnds.empty()) return {};
  // The drawn rows come first in `lines`, one for each entry of `rowEnds`.
  const RowSpacings rows = SpacingsOf(table, scale);
  if (!(rows.Hi() > rows.Lo())) return {};

  DrawnBand band;
  band.path = &path;
  band.lines = &lines;
  band.rowEnds = &rowEnds;
  band.smallest = rows.smallest;
  band.largest = rows.largest;
  band.capsLine = rowEnds.size();
  const bool caps = lines.size() > rowEnds.size();
  band.start = FreeEndClosing(caps, table.Options.StartCap);
  band.end = FreeEndClosing(caps, table.Options.EndCap);
  const double tolerance = JoinTolerance(LargestCoordinate(lines));
  const BandRegion region = BuildBandRegion(band, tolerance).region;
  return FillOutline(region.curves, (rows.Hi() - rows.Lo()) * geometry::kArcStandInDeviation,
                     tolerance);
}

}  // namespace tq58
