// Junctions cleaned over a whole network: every band's rows built as along a chain, then each
// row piece cut where it crosses the boundary of another band's strip and kept where it lies
// outside (an inner row of a through band also inside the strip of a band that ends on it
// there), and the corners where two bands' outer rows meet joined and rounded.
#include "network/junction_network.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "geometry/curve_fillet.h"
#include "geometry/curve_meeting.h"
#include "geometry/geometry.h"
#include "geometry/point_grid.h"
#include "geometry/tolerances.h"
#include "geometry/vector2.h"
#include "network/band_strips.h"
#include "network/junction_topology.h"
#include "path/chaining.h"
#include "path/selected_pieces.h"
#include "rows/construction.h"
#include "rows/row_curves.h"

namespace tq58 {

namespace {

using geometry::Box;
using geometry::Contact;
using geometry::Fillet;
using geometry::Meeting;

constexpr double kFit = geometry::kCornerLengthTolerance;
// A stem end's clip counts within its run-on and this many band widths of the junction point,
// so that it takes in the end of the stem's strip across the through band with room to spare.
constexpr double kClipReachInBandWidths = 2.0;

// A kept part of a row piece, from s0 to s1 along it; ends moved to a corner carry the point.
struct Kept {
  Kept(double from, double to) : s0(from), s1(to) {}
  double s0 = 0.0, s1 = 0.0;
  std::optional<PointD> a, b;
  bool cut0 = false, cut1 = false;  // the end lies where the piece was cut
};

struct PieceCut {
  Curve curve;
  std::vector<Kept> kept;
};

struct LineCut {
  const TLineRow* row = nullptr;
  bool outer = false;
  double spacing = 0.0;
  std::vector<PieceCut> pieces;
  std::vector<RowPiece> corners;  // corner arcs drawn in this row's attributes
};

struct BandLines {
  std::size_t band = 0;
  MultiLine lines;
  std::vector<LineCut> cuts;
};

double LargestCoordinate(const std::vector<BasePath>& chains) {
  double largest = 0.0;
  for (const BasePath& path : chains) {
    for (const PointD& p : path.points)
      largest = std::max({largest, std::fabs(p.x), std::fabs(p.y)});
    for (const std::optional<BaseArc>& arc : path.arcs) {
      if (arc) {
        largest = std::max({largest, std::fabs(arc->centre.x) + arc->radius,
                            std::fabs(arc->centre.y) + arc->radius});
      }
    }
  }
  return largest;
}

// The drawn rows' spacings in drawing units, smallest and largest.
std::optional<std::pair<double, double>> OuterSpacings(const TLineTable& table, double scale) {
  std::optional<std::pair<double, double>> range;
  for (const TLineRow& row : table.Lines) {
    if (!row.DrawOn) continue;
    const double s = InDrawingUnits(row.Spacing, row.PaperSize, scale);
    range =
        range ? std::pair{std::min(range->first, s), std::max(range->second, s)} : std::pair{s, s};
  }
  return range;
}

class Network {
 public:
  Network(const TLineTable& table, double scale, double lo, double hi, double tolerance)
      : table_(table),
        scale_(scale),
        lo_(lo),
        hi_(hi),
        tolerance_(tolerance),
        drawnRows_(static_cast<std::size_t>(std::count_if(
            table.Lines.begin(), table.Lines.end(), [](const TLineRow& r) { return r.DrawOn; }))) {}

  MultiLine Build(const std::vector<BasePath>& chains) {
    bands_ = ArrangeJunctions(chains, lo_, hi_, tolerance_);
    const bool strips = hi_ > lo_;
    ownClips_.resize(bands_.size());
    if (strips) {
      for (std::size_t b = 0; b < bands_.size(); ++b) {
        strips_.AddBand(b, bands_[b].path, lo_, hi_);
        CloseJunctionEnds(b);
      }
      strips_.Index();
    }
    std::vector<BandLines> drawn;
    for (std::size_t b = 0; b < bands_.size(); ++b) drawn.push_back(Draw(b));
    if (strips) {
      for (BandLines& band : drawn) {
        for (LineCut& line : band.cuts) Cut(band.band, line);
      }
      JoinCorners(drawn);
    }
    std::stable_sort(drawn.begin(), drawn.end(), [&](const BandLines& x, const BandLines& y) {
      return bands_[x.band].order < bands_[y.band].order;
    });
    MultiLine out;
    for (const BandLines& band : drawn) {
      for (std::size_t l = 0; l < band.lines.size(); ++l) {
        const DrawnLine& line = band.lines[l];
        const LineCut& cut = band.cuts[l];
        DrawnLine& written = out.emplace_back(DrawnLine{line.row, {}});
        for (std::size_t p = 0; p < line.pieces.size(); ++p) {
          const PieceCut& piece = cut.pieces[p];
          for (const Kept& k : piece.kept) {
            written.pieces.push_back(PieceOf(line.pieces[p], piece.curve, k.s0, k.s1,
                                             k.a ? &*k.a : nullptr, k.b ? &*k.b : nullptr));
          }
        }
        written.pieces.insert(written.pieces.end(), cut.corners.begin(), cut.corners.end());
        // A row cut away whole writes not even its attributes.
        if (std::none_of(written.pieces.begin(), written.pieces.end(), WritesSomething)) {
          out.pop_back();
        }
      }
    }
    return out;
  }

 private:
  // Whether a free end of band b lies inside another band's strip.
  bool InsideOther(std::size_t b, PointD p) const {
    for (const std::uint32_t c : strips_.Near({p.x, p.y, p.x, p.y})) {
      const StripCell& cell = strips_.Cells()[c];
      if (cell.band != b && !cell.innerOnly && strips_.Inside(cell, p, tolerance_)) return true;
    }
    return false;
  }

  // Where bands meet with no through pair, each one's strip ends across its end point, so that
  // another's inner rows reach in there up to that line: for them alone, the strip runs on by
  // half its width, beyond which the others' outer rows close it off.
  void CloseJunctionEnds(std::size_t b) {
    const NetworkBand& band = bands_[b];
    if (band.path.closed || band.path.points.size() < 2) return;
    const double depth = (hi_ - lo_) / 2.0;
    for (const bool atEnd : {false, true}) {
      const BandEnd& end = atEnd ? band.end : band.start;
      if (!end.junction || end.seam || !end.throughs.empty()) continue;
      const std::size_t n = band.path.points.size() - 1;
      const PointD at = atEnd ? band.path.points[n] : band.path.points[0];
      const PointD d = atEnd ? DirectionAtEnd(band.path, n - 1) : DirectionAtStart(band.path, 0);
      const BasePath on{atEnd ? std::vector<PointD>{at, Plus(at, d, depth)}
                              : std::vector<PointD>{Plus(at, d, -depth), at},
                        false,
                        {}};
      strips_.AddBand(b, on, lo_, hi_, true);
    }
  }

  // The band's rows as along a chain, no cap at an end that meets another band.
  BandLines Draw(std::size_t b) {
    const NetworkBand& band = bands_[b];
    TLineTable table = table_;
    const bool strips = hi_ > lo_;
    const bool open = !band.path.closed && band.path.points.size() >= 2;
    const auto capped = [&](const BandEnd& end, PointD at) {
      return !end.junction && !(strips && open && InsideOther(b, at));
    };
    if (open && !capped(band.start, band.path.points.front()))
      table.Options.StartCap = CapStyle::None;
    if (open && !capped(band.end, band.path.points.back())) table.Options.EndCap = CapStyle::None;
    BandLines result{b, BuildMultiLine(band.path, table, scale_), {}};
    for (std::size_t l = 0; l < result.lines.size(); ++l) {
      DrawnLine& line = result.lines[l];
      // Back to the preset's own rows, which outlive this copy.
      line.row = &table_.Lines[static_cast<std::size_t>(line.row - table.Lines.data())];
      LineCut cut;
      cut.row = line.row;
      cut.spacing = InDrawingUnits(line.row->Spacing, line.row->PaperSize, scale_);
      // The caps, after the rows, close the strip as its outer rows do.
      cut.outer = l >= drawnRows_ || cut.spacing == lo_ || cut.spacing == hi_;
      for (const RowPiece& piece : line.pieces) {
        const Curve curve = CurveOf(piece);
        cut.pieces.push_back({curve, {Kept(0.0, curve.Length())}});
      }
      result.cuts.push_back(std::move(cut));
    }
    return result;
  }

  // Whether the cell belongs to a band that ends on band b near p, which runs through there.
  bool ThroughHere(const StripCell& cell, std::size_t b, PointD p) const {
    return std::any_of(cell.clips.begin(), cell.clips.end(), [&](int c) {
      if (c < 0) return false;
      const StripClip& clip = strips_.Clips()[static_cast<std::size_t>(c)];
      return clip.throughBand == b && clip.Near(p);
    });
  }

  // Each piece of the row kept where it is drawn: the parts inside each other band's cell (and
  // beyond the band's own clips) found cell by cell, between the piece's crossings of that
  // cell's boundary, so that a piece among many cells costs no more than its crossings.
  void Cut(std::size_t b, LineCut& line) {
    for (PieceCut& piece : line.pieces) {
      const Curve& curve = piece.curve;
      const double length = curve.Length();
      std::vector<std::pair<double, double>> removed;
      const auto addInside = [&](const std::vector<Curve>& sides, const auto& inside) {
        std::vector<double> at = {0.0, length};
        for (const Curve& side : sides) {
          for (const Meeting& x : MeetCurves(curve, side, tolerance_)) {
            if (x.contact != Contact::Overlap) at.push_back(x.s);
          }
        }
        std::sort(at.begin(), at.end());
        for (std::size_t i = 0; i + 1 < at.size(); ++i) {
          if (!(at[i + 1] - at[i] > tolerance_)) continue;  // too short to tell
          if (!inside(curve.At((at[i] + at[i + 1]) / 2.0))) continue;
          if (!removed.empty() && removed.back().second == at[i]) {
            removed.back().second = at[i + 1];
          } else {
            removed.push_back({at[i], at[i + 1]});
          }
        }
      };
      const auto raysOf = [&](const std::array<int, 2>& clips, std::vector<Curve>& sides) {
        for (const int k : clips) {
          if (k < 0) continue;
          const StripClip& clip = strips_.Clips()[static_cast<std::size_t>(k)];
          for (const PointD ray : {clip.ray1, clip.ray2}) {
            sides.push_back(Curve::Segment(clip.at, Plus(clip.at, ray, clip.reach)));
          }
        }
      };
      for (const std::uint32_t c : strips_.Near(BoxOf(curve, tolerance_))) {
        const StripCell& cell = strips_.Cells()[c];
        if (cell.band == b || (line.outer && cell.innerOnly)) continue;
        std::vector<Curve> sides = cell.Boundary();
        raysOf(cell.clips, sides);
        addInside(sides, [&](PointD p) {
          return strips_.Inside(cell, p, tolerance_) && (line.outer || !ThroughHere(cell, b, p));
        });
      }
      for (const int k : ownClips_[b]) {
        std::vector<Curve> sides;
        raysOf({k, -1}, sides);
        const StripClip& clip = strips_.Clips()[static_cast<std::size_t>(k)];
        addInside(sides, [&](PointD p) { return clip.Beyond(p); });
      }
      piece.kept = KeptBetween(std::move(removed), length);
    }
  }

  // What is left of [0, length] without the removed parts; gaps between them too short to
  // tell are removed too.
  std::vector<Kept> KeptBetween(std::vector<std::pair<double, double>> removed,
                                double length) const {
    std::sort(removed.begin(), removed.end());
    std::vector<Kept> kept;
    double from = 0.0;
    for (const auto& [a, b] : removed) {
      if (a - from > tolerance_) kept.emplace_back(from, a);
      from = std::max(from, b);
    }
    if (length - from > tolerance_) kept.emplace_back(from, length);
    for (Kept& k : kept) {
      k.cut0 = k.s0 > tolerance_;
      k.cut1 = k.s1 < length - tolerance_;
      if (!k.cut0) k.s0 = 0.0;
      if (!k.cut1) k.s1 = length;
    }
    return kept;
  }

  // How near two cut ends of outer rows lie, and their rows' meeting to them, to make a corner.
  double CornerReach() const { return geometry::kCutCornerReachInJoinTolerances * tolerance_; }

  // An end of a kept part where an outer row was cut.
  struct CutEnd {
    std::size_t band, line, piece, kept;
    bool atStart;
    PointD point;
  };

  double CornerRadius(const LineCut& a, const LineCut& b) const {
    const TPresetOptions& options = table_.Options;
    if (options.Corners == CornerMode::Concentric) {
      const double base = InDrawingUnits(options.BaseRadius, options.BaseRadiusPaperSize, scale_);
      return std::max(0.0, base - std::max(std::fabs(a.spacing), std::fabs(b.spacing)));
    }
    const auto radius = [&](const LineCut& l) {
      return InDrawingUnits(l.row->Radius, l.row->PaperSize, scale_);
    };
    return std::min(radius(a), radius(b));
  }

  void JoinCorners(std::vector<BandLines>& drawn) {
    std::vector<CutEnd> ends;
    for (std::size_t bi = 0; bi < drawn.size(); ++bi) {
      for (std::size_t l = 0; l < drawn[bi].cuts.size(); ++l) {
        const LineCut& line = drawn[bi].cuts[l];
        if (!line.outer || l >= drawnRows_) continue;
        for (std::size_t p = 0; p < line.pieces.size(); ++p) {
          const PieceCut& piece = line.pieces[p];
          for (std::size_t k = 0; k < piece.kept.size(); ++k) {
            const Kept& kept = piece.kept[k];
            if (kept.cut0) ends.push_back({bi, l, p, k, true, piece.curve.At(kept.s0)});
            if (kept.cut1) ends.push_back({bi, l, p, k, false, piece.curve.At(kept.s1)});
          }
        }
      }
    }
    // Pairs of ends of two bands alone at one place, in the order of their places.
    std::vector<PointD> points;
    for (const CutEnd& end : ends) points.push_back(end.point);
    const std::vector<std::pair<std::size_t, std::size_t>> close =
        geometry::PointsWithin(points, CornerReach());
    std::vector<int> closeCount(ends.size(), 0);
    for (const auto& [e, f] : close) {
      ++closeCount[e];
      ++closeCount[f];
    }
    std::vector<std::pair<std::size_t, std::size_t>> pairs;
    for (const auto& [e, f] : close) {
      if (closeCount[e] == 1 && closeCount[f] == 1 && ends[e].band != ends[f].band) {
        pairs.push_back({e, f});
      }
    }
    std::sort(pairs.begin(), pairs.end(), [&](const auto& x, const auto& y) {
      const PointD p = ends[x.first].point, q = ends[y.first].point;
      return p.x != q.x ? p.x < q.x : p.y < q.y;
    });
    for (const auto& [e, f] : pairs) JoinCorner(drawn, ends[e], ends[f]);
  }

  // Joins two cut ends at the meeting of their rows, rounded where the fillet fits.
  void JoinCorner(std::vector<BandLines>& drawn, const CutEnd& e, const CutEnd& f) {
    LineCut& la = drawn[e.band].cuts[e.line];
    LineCut& lb = drawn[f.band].cuts[f.line];
    PieceCut& pa = la.pieces[e.piece];
    PieceCut& pb = lb.pieces[f.piece];
    Kept& ka = pa.kept[e.kept];
    Kept& kb = pb.kept[f.kept];
    const std::optional<PointD> meeting =
        CarriersMeetNearest(pa.curve, pb.curve, geometry::Midpoint(e.point, f.point));
    if (!meeting || geometry::PointDistance(*meeting, e.point) > CornerReach()) return;
    const PointD x = *meeting;
    const double sa = pa.curve.Along(x), sb = pb.curve.Along(x);
    // The directions from the corner into each kept part.
    const auto into = [](const Curve& t, double s, bool atStart) {
      const PointD d = t.DirectionAt(s);
      return atStart ? d : PointD{-d.x, -d.y};
    };
    const PointD u = into(pa.curve, sa, e.atStart), v = into(pb.curve, sb, f.atStart);
    const double radius = CornerRadius(la, lb);
    std::optional<Fillet> fillet;
    if (radius > 0.0) fillet = geometry::FilletBetween(pa.curve, u, pb.curve, v, x, radius);
    const auto fits = [&](const Kept& k, const Curve& t, PointD tangent, bool atStart) {
      const double s = t.Along(tangent);
      return atStart ? s > k.s0 - kFit && s + kFit < k.s1 : s < k.s1 + kFit && s > k.s0 + kFit;
    };
    if (fillet && fits(ka, pa.curve, fillet->tangent1, e.atStart) &&
        fits(kb, pb.curve, fillet->tangent2, f.atStart)) {
      SetEnd(ka, pa.curve, fillet->tangent1, e.atStart);
      SetEnd(kb, pb.curve, fillet->tangent2, f.atStart);
      // In the row that comes first counterclockwise round the junction: the one clockwise of
      // the corner's middle direction, seen from the corner.
      const PointD w{u.x + v.x, u.y + v.y};
      LineCut& first = Cross(w, u) < 0.0 ? la : lb;
      first.corners.push_back(FilletArc(*fillet, radius));
      return;
    }
    SetEnd(ka, pa.curve, x, e.atStart);
    SetEnd(kb, pb.curve, x, f.atStart);
  }

  static void SetEnd(Kept& k, const Curve& t, PointD p, bool atStart) {
    const double s = std::clamp(t.Along(p), 0.0, t.Length());
    if (atStart) {
      k.s0 = s;
      k.a = p;
    } else {
      k.s1 = s;
      k.b = p;
    }
  }

  const TLineTable& table_;
  double scale_, lo_, hi_, tolerance_;
  std::size_t drawnRows_;  // the lines after them are the caps
  std::vector<NetworkBand> bands_;
  BandStrips strips_;
  std::vector<std::vector<int>> ownClips_;
};

}  // namespace

MultiLine BuildJunctionNetwork(const std::vector<BasePath>& chains, const TLineTable& table,
                               double scale) {
  const std::optional<std::pair<double, double>> spacings = OuterSpacings(table, scale);
  // With no row drawn there is nothing to clean; rows beyond the drawing's range are a mistake
  // to draw, not a plan to clean. Either way each chain is drawn by itself.
  if (!spacings || !(std::max(std::fabs(spacings->first), std::fabs(spacings->second)) <=
                     geometry::kLargestChainCoordinate)) {
    MultiLine out;
    for (const BasePath& path : chains) {
      MultiLine lines = BuildMultiLine(path, table, scale);
      out.insert(out.end(), lines.begin(), lines.end());
    }
    return out;
  }
  Network network(table, scale, spacings->first, spacings->second,
                  JoinTolerance(LargestCoordinate(chains)));
  return network.Build(chains);
}

}  // namespace tq58
