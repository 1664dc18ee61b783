// A band drawn by BuildMultiLine with the caps its ends need; its region from the rows as drawn.
#include "network/band_lines.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "geometry/outline_locator.h"
#include "path/path_edit.h"
#include "rows/construction.h"

namespace tq58 {

namespace {

using geometry::kRingInsideOutInTolerances;

}  // namespace

BandDrawer::BandDrawer(const TLineTable& table, double scale, RowSpacings rows, double tolerance)
    : table_(table), scale_(scale), rows_(std::move(rows)), tolerance_(tolerance) {}

BandLines BandDrawer::Draw(const BasePath& path, const BandEnd& start, const BandEnd& end) const {
  BandLines out;
  const bool open = !path.closed && path.points.size() >= 2;
  EndCaps caps{table_.Options.StartCap, table_.Options.EndCap};
  if (open && start.junction) caps.start = CapStyle::None;
  if (open && end.junction) caps.end = CapStyle::None;
  out.lines = BuildMultiLine(path, table_, scale_, caps, &out.rowEnds);
  if (path.closed) DropInvertedRings(path, out);
  if (Hi() > Lo() && path.points.size() >= 2) out.region = Region(path, out, start, end);
  return out;
}

// A loop smaller than its band turns the rows on its inner side inside out: every piece of such
// a ring lies nearer the centre line than the row's spacing. It draws nothing.
void BandDrawer::DropInvertedRings(const BasePath& path, BandLines& out) const {
  std::vector<Curve> centre;
  for (std::size_t k = 0; k + 1 < path.points.size(); ++k) centre.push_back(BaseCurve(path, k));
  const geometry::OutlineLocator centreLine(centre, tolerance_);
  for (std::size_t l = 0; l < DrawnRows(); ++l) {
    DrawnLine& line = out.lines[l];
    const double reach = std::fabs(rows_.spacing[l]) - kRingInsideOutInTolerances * tolerance_;
    const bool inverted =
        !line.pieces.empty() &&
        std::all_of(line.pieces.begin(), line.pieces.end(), [&](const RowPiece& c) {
          return centreLine.DistanceWithin(c.At(c.Length() / 2.0), reach) < reach;
        });
    if (!inverted) continue;
    line.pieces.clear();
    out.rowEnds[l].reset();
  }
}

BandRegion BandDrawer::Region(const BasePath& path, BandLines& out, const BandEnd& start,
                              const BandEnd& end) const {
  DrawnBand drawn;
  drawn.path = &path;
  drawn.lines = &out.lines;
  drawn.rowEnds = &out.rowEnds;
  drawn.smallest = rows_.smallest;
  drawn.largest = rows_.largest;
  drawn.capsLine = DrawnRows();
  const bool caps = out.lines.size() > DrawnRows();
  const auto closing = [&](const BandEnd& e, CapStyle cap) {
    if (e.seam) return EndClosing::Open;
    if (e.junction) return EndClosing::Junction;
    return FreeEndClosing(caps, cap);
  };
  drawn.start = closing(start, table_.Options.StartCap);
  drawn.end = closing(end, table_.Options.EndCap);
  if (start.back) drawn.startBack = start.back->closing;
  if (end.back) drawn.endBack = end.back->closing;
  BuiltBandRegion built = BuildBandRegion(drawn, tolerance_);
  // The junction ends' closing segments are drawn by the outer rows, where nothing covers them.
  AddClosings(out.lines, built.closings);
  return std::move(built.region);
}

}  // namespace tq58
