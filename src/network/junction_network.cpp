// Junctions cleaned over a whole network: every band's rows built as along a chain, its region
// taken from its own outer rows as drawn, then each row piece cut where it crosses another
// band's region outline and kept where it lies outside (an inner row of a through band also
// inside the region of a band that ends on it there), and the corners where two bands' outer
// rows cross joined at that crossing and rounded.
#include "network/junction_network.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "fill/outline_fill.h"
#include "geometry/place_order.h"
#include "geometry/tolerances.h"
#include "network/band_lines.h"
#include "network/junction_topology.h"
#include "network/network_regions.h"
#include "network/outline_corners.h"
#include "network/row_cuts.h"
#include "path/chaining.h"
#include "path/path_edit.h"
#include "region/band_fill.h"
#include "region/band_region.h"
#include "rows/construction.h"
#include "rows/corner_radii.h"

namespace tq58 {

namespace {

double LargestCoordinate(const std::vector<BasePath>& chains) {
  double largest = 0.0;
  for (const BasePath& path : chains) {
    for (const PointD& p : path.points)
      largest = std::max({largest, std::fabs(p.x), std::fabs(p.y)});
    for (const std::optional<Curve>& arc : path.arcs) {
      if (arc) {
        largest = std::max({largest, std::fabs(arc->centre.x) + arc->radius,
                            std::fabs(arc->centre.y) + arc->radius});
      }
    }
  }
  return largest;
}

class Network {
 public:
  explicit Network(const BandDrawer& drawer) : drawer_(drawer), regions_(drawer.Tolerance()) {}

  MultiLine Build(const std::vector<BasePath>& chains, Solids* fill) {
    bands_ = ArrangeJunctions(chains, drawer_);
    // Parts joined straight on at a junction draw as the line drawn whole would.
    for (NetworkBand& band : bands_) band.path = WithoutStraightJoints(band.path);
    drawn_.resize(bands_.size());
    cuts_.resize(bands_.size());
    for (std::size_t b = 0; b < bands_.size(); ++b) Draw(b);
    RunOnFoldBacks();
    if (drawer_.Hi() > drawer_.Lo()) {
      IndexRegions();
      cutter_.emplace(regions_, drawer_.Tolerance());
      // Band after band in place order, so that what one reads its neighbours find at hand.
      std::vector<PointD> places;
      for (const BandLines& band : drawn_) {
        const geometry::Box& box = band.region.box;
        places.push_back({(box.minX + box.maxX) / 2.0, (box.minY + box.maxY) / 2.0});
      }
      for (const std::size_t b : geometry::ZOrder(places)) {
        for (LineCut& line : cuts_[b]) Cut(b, line);
      }
      corners_ = JoinOutlineCorners(
          cuts_, [&](const LineCut& a, const LineCut& b) { return CornerRadius(a, b); },
          drawer_.Tolerance());
      if (fill != nullptr) Fill(*fill);
    }
    return Written();
  }

 private:
  // The band's rows as along a chain, no cap at an end that meets another band; its region;
  // each row's pieces as curves to cut.
  void Draw(std::size_t b) {
    const NetworkBand& band = bands_[b];
    BandLines& out = drawn_[b];
    out = drawer_.Draw(band.path, band.start, band.end);
    cuts_[b].clear();
    for (std::size_t l = 0; l < out.lines.size(); ++l) {
      LineCut cut;
      cut.row = out.lines[l].row;
      // A caps line is in the attributes of a drawn row, whose spacing it takes.
      std::size_t row = l < drawer_.DrawnRows() ? l : 0;
      while (out.lines[row].row != cut.row) ++row;
      cut.spacing = drawer_.Rows().spacing[row];
      // The first caps line, after the rows, joins the outer rows and closes the band as they
      // do; the caps lines of the pairs further in lie inside it as the inner rows do.
      cut.outer = l == drawer_.DrawnRows() || drawer_.Rows().outer[row];
      for (const RowPiece& piece : out.lines[l].pieces) {
        cut.pieces.push_back({piece, kUncut, {Kept{0.0, piece.Length(), kUncut, kUncut, {}, {}}}});
      }
      cuts_[b].push_back(std::move(cut));
    }
  }

  void IndexRegions() {
    for (std::size_t b = 0; b < bands_.size(); ++b) {
      const BandRegion& region = drawn_[b].region;
      const std::uint32_t first = regions_.Add(region);
      for (std::size_t k = 0; k < region.outline.size(); ++k) {
        const OutlineCurve& c = region.outline[k];
        if (c.line >= 0) {
          cuts_[b][static_cast<std::size_t>(c.line)]
              .pieces[static_cast<std::size_t>(c.piece)]
              .outline = static_cast<long>(first + k);
        }
      }
    }
    regions_.Index();
  }

  // Whether band s ends where band b runs through, near p: b's inner rows run on across it.
  bool EndsOnBandNear(std::size_t s, std::size_t b, const Curve& part) const {
    const NetworkBand& band = bands_[s];
    if (band.path.closed) return false;
    const double reach = geometry::kThroughRunOnReachInWidths * (drawer_.Hi() - drawer_.Lo());
    for (const bool atEnd : {false, true}) {
      const BandEnd& end = atEnd ? band.end : band.start;
      if (std::find(end.throughs.begin(), end.throughs.end(), b) == end.throughs.end()) continue;
      const PointD at = atEnd ? band.path.points.back() : band.path.points.front();
      if (geometry::PointDistance(part.NearestPoint(at), at) <= reach) return true;
    }
    return false;
  }

  // Each piece of the row kept where it is drawn: outside every other band's region, but
  // an inner row of a through band also inside the region of a band that ends on it there.
  void Cut(std::size_t b, LineCut& line) {
    const InsideExempt exempt =
        line.outer ? InsideExempt{} : [&](std::size_t s, std::size_t band, const Curve& part) {
          return EndsOnBandNear(s, band, part);
        };
    for (PieceCut& piece : line.pieces) piece.kept = cutter_->Cut(b, piece, line.outer, exempt);
  }

  // Where the outer row of band b on one side (left: the largest spacing) ends at one end of
  // the band; none where that row draws nothing.
  std::optional<PointD> OuterRowEnd(std::size_t b, bool left, bool atEnd) const {
    const std::size_t line = drawer_.OuterLine(left);
    const std::optional<RowEnds>& ends = drawn_[b].rowEnds[line];
    if (!ends) return std::nullopt;
    return atEnd ? ends->end : ends->start;
  }

  // Two ends back to back at a fold: the end first counterclockwise round the junction runs its
  // back row on to the other's, so that its region takes in the triangle they close with the
  // junction point, and is drawn again.
  void RunOnFoldBacks() {
    for (std::size_t b = 0; b < bands_.size(); ++b) {
      bool redraw = false;
      for (const bool atEnd : {false, true}) {
        std::optional<FoldBack>& back = (atEnd ? bands_[b].end : bands_[b].start).back;
        if (!back || !back->draws) continue;
        const NetworkBand& other = bands_[back->band];
        const std::optional<FoldBack>& otherBack = (back->atEnd ? other.end : other.start).back;
        if (!otherBack) continue;
        back->closing.to = OuterRowEnd(back->band, otherBack->closing.left, back->atEnd);
        redraw = redraw || back->closing.to.has_value();
      }
      if (redraw) Draw(b);
    }
  }

  // Every region, and the area between each rounded corner and the outer rows it joins.
  void Fill(Solids& out) const {
    const double deviation = (drawer_.Hi() - drawer_.Lo()) * geometry::kArcStandInDeviation;
    for (const BandLines& band : drawn_) {
      const Solids solids = FillOutline(band.region.curves, deviation, drawer_.Tolerance());
      out.insert(out.end(), solids.begin(), solids.end());
    }
    for (const CornerArea& corner : corners_) {
      const Solids solids = FillOutline(corner, deviation, drawer_.Tolerance());
      out.insert(out.end(), solids.begin(), solids.end());
    }
  }

  double CornerRadius(const LineCut& a, const LineCut& b) const {
    const TPresetOptions& options = drawer_.Table().Options;
    if (options.Corners == CornerMode::Concentric) {
      // Both rows lie towards the corner's centre, the arc by the larger of their distances.
      const double base =
          InDrawingUnits(options.BaseRadius, options.BaseRadiusPaperSize, drawer_.Scale());
      return ConcentricRadius(base, std::max(std::fabs(a.spacing), std::fabs(b.spacing)));
    }
    const auto radius = [&](const LineCut& l) {
      return InDrawingUnits(l.row->Radius, l.row->PaperSize, drawer_.Scale());
    };
    return std::min(radius(a), radius(b));
  }

  // The bands in the order of their first chains, each line's kept parts and then its corners;
  // a line cut away whole writes not even its attributes.
  MultiLine Written() const {
    std::vector<std::size_t> order(bands_.size());
    for (std::size_t b = 0; b < order.size(); ++b) order[b] = b;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t x, std::size_t y) {
      return bands_[x].order < bands_[y].order;
    });
    MultiLine out;
    for (const std::size_t b : order) {
      const BandLines& band = drawn_[b];
      for (std::size_t l = 0; l < band.lines.size(); ++l) {
        const DrawnLine& line = band.lines[l];
        const LineCut& cut = cuts_[b][l];
        DrawnLine& written = out.emplace_back(DrawnLine{line.row, {}});
        for (std::size_t p = 0; p < line.pieces.size(); ++p) {
          const PieceCut& piece = cut.pieces[p];
          for (const Kept& k : piece.kept) {
            if (k.swallowed) continue;
            written.pieces.push_back(
                piece.curve.DrawnPart(k.s0, k.s1, k.a ? &*k.a : nullptr, k.b ? &*k.b : nullptr));
          }
        }
        written.pieces.insert(written.pieces.end(), cut.corners.begin(), cut.corners.end());
        if (std::none_of(written.pieces.begin(), written.pieces.end(), WritesSomething)) {
          out.pop_back();
        }
      }
    }
    return out;
  }

  const BandDrawer& drawer_;
  std::vector<NetworkBand> bands_;
  std::vector<BandLines> drawn_;
  std::vector<std::vector<LineCut>> cuts_;  // per band and line
  std::vector<CornerArea> corners_;         // what each rounded corner adds to the regions
  NetworkRegions regions_;
  std::optional<RowCutter> cutter_;
};

}  // namespace

MultiLine BuildJunctionNetwork(const std::vector<BasePath>& chains, const TLineTable& table,
                               double scale, Solids* fill) {
  RowSpacings rows = SpacingsOf(table, scale);
  // With no row drawn there is nothing to clean; rows beyond the drawing's range are a mistake
  // to draw, not a plan to clean. Either way each chain is drawn by itself.
  if (rows.Empty() || !(std::max(std::fabs(rows.Lo()), std::fabs(rows.Hi())) <=
                        geometry::kLargestChainCoordinate)) {
    MultiLine out;
    for (const BasePath& path : chains) {
      std::vector<std::optional<RowEnds>> rowEnds;
      MultiLine lines = BuildMultiLine(path, table, scale, &rowEnds);
      if (fill != nullptr) {
        const Solids solids = FillBand(path, lines, rowEnds, table, scale);
        fill->insert(fill->end(), solids.begin(), solids.end());
      }
      out.insert(out.end(), lines.begin(), lines.end());
    }
    return out;
  }
  const BandDrawer drawer(table, scale, std::move(rows), JoinTolerance(LargestCoordinate(chains)));
  return Network(drawer).Build(chains, fill);
}

}  // namespace tq58
