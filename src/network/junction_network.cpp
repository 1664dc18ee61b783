// Junctions cleaned over a whole network: every band's rows built as along a chain, its region
// taken from its own outer rows as drawn, then each row piece cut where it crosses another
// band's region outline and kept where it lies outside (an inner row of a through band also
// inside the region of a band that ends on it there), and the corners where two bands' outer
// rows cross joined at that crossing and rounded.
#include "network/junction_network.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <unordered_map>

#include "geometry/box_index.h"
#include "geometry/curve_fillet.h"
#include "geometry/curve_meeting.h"
#include "geometry/geometry.h"
#include "geometry/tolerances.h"
#include "geometry/vector2.h"
#include "geometry/winding.h"
#include "network/band_region.h"
#include "network/junction_topology.h"
#include "path/chaining.h"
#include "path/path_edit.h"
#include "rows/construction.h"
#include "rows/row_curves.h"

namespace tq58 {

namespace {

using geometry::Box;
using geometry::Contact;
using geometry::Fillet;
using geometry::Meeting;
using geometry::Where;

constexpr double kFit = geometry::kCornerLengthTolerance;
constexpr long kUncut = -1;
// A corner whose fillet does not fit on the pieces cut there looks this many pieces on along
// each row, and for their carriers' meeting within this many radii of the crossing.
constexpr std::size_t kCornerWalkPieces = 2;
constexpr double kCornerWalkReach = 4.0;
// An outer row lies inside its own band's region where points this many join tolerances to
// either side of it both do.
constexpr double kOwnSideOffsetInTolerances = 4.0;
// An outline of at most this many curves is looked at whole for where it crosses itself.
constexpr std::size_t kFewOutlineCurves = 32;

// A part of a piece from s0 to s1 along it, and the outline curves whose crossings bound it.
struct Span {
  double s0 = 0.0, s1 = 0.0;
  long cause0 = kUncut, cause1 = kUncut;
};

// A kept part of a row piece; ends moved to a corner carry the point.
struct Kept {
  double s0 = 0.0, s1 = 0.0;
  long cause0 = kUncut, cause1 = kUncut;  // the outline curve that cut the end there, if any
  std::optional<PointD> a, b;
  bool swallowed = false;  // by the fillet of a corner next to it
};

struct PieceCut {
  Curve curve;
  long outline = kUncut;  // the region outline curve that the piece draws, if any
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
  MultiLine lines;
  std::vector<std::optional<RowEnds>> rowEnds;
  std::vector<LineCut> cuts;
  BandRegion region;
  bool covered = false;  // its centre line lies inside another band's region: it adds nothing
  // Its outline crosses nowhere and runs counterclockwise, its region on the left of every
  // curve: a row passing one of them passes into the region or out of it.
  bool simple = false;
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
    drawn_.resize(bands_.size());
    for (std::size_t b = 0; b < bands_.size(); ++b) Draw(b);
    if (hi_ > lo_) {
      IndexRegions();
      FindCoveredBands();
      for (std::size_t b = 0; b < bands_.size(); ++b) {
        if (drawn_[b].covered) continue;
        for (LineCut& line : drawn_[b].cuts) Cut(b, line);
      }
      JoinCorners();
    }
    return Written();
  }

 private:
  // The band's rows as along a chain, no cap at an end that meets another band; its region.
  void Draw(std::size_t b) {
    const NetworkBand& band = bands_[b];
    BandLines& out = drawn_[b];
    TLineTable table = table_;
    const bool open = !band.path.closed && band.path.points.size() >= 2;
    if (open && band.start.junction) table.Options.StartCap = CapStyle::None;
    if (open && band.end.junction) table.Options.EndCap = CapStyle::None;
    out.lines = BuildMultiLine(band.path, table, scale_, &out.rowEnds);
    for (DrawnLine& line : out.lines) {
      // Back to the preset's own rows, which outlive this copy.
      line.row = &table_.Lines[static_cast<std::size_t>(line.row - table.Lines.data())];
    }
    if (hi_ > lo_ && band.path.points.size() >= 2) out.region = Region(b, table.Options);
    for (std::size_t l = 0; l < out.lines.size(); ++l) {
      LineCut cut;
      cut.row = out.lines[l].row;
      cut.spacing = InDrawingUnits(cut.row->Spacing, cut.row->PaperSize, scale_);
      // The caps, after the rows, close the band as its outer rows do.
      cut.outer = l >= drawnRows_ || cut.spacing == lo_ || cut.spacing == hi_;
      for (const RowPiece& piece : out.lines[l].pieces) {
        const Curve curve = CurveOf(piece);
        cut.pieces.push_back({curve, kUncut, {Kept{0.0, curve.Length(), kUncut, kUncut, {}, {}, false}}});
      }
      out.cuts.push_back(std::move(cut));
    }
  }

  BandRegion Region(std::size_t b, const TPresetOptions& options) {
    const NetworkBand& band = bands_[b];
    BandLines& out = drawn_[b];
    DrawnBand drawn;
    drawn.path = &band.path;
    drawn.lines = &out.lines;
    drawn.rowEnds = &out.rowEnds;
    drawn.smallest = LineAt(out, lo_);
    drawn.largest = LineAt(out, hi_);
    drawn.capsLine = drawnRows_;
    const bool caps = out.lines.size() > drawnRows_;
    const auto closing = [&](const BandEnd& end, CapStyle cap) {
      if (end.seam) return EndClosing::Open;
      if (end.junction) return EndClosing::Junction;
      return caps && cap != CapStyle::None ? EndClosing::Cap : EndClosing::Open;
    };
    drawn.start = closing(band.start, options.StartCap);
    drawn.end = closing(band.end, options.EndCap);
    return BuildBandRegion(drawn, tolerance_);
  }

  // The first drawn row at the spacing.
  std::size_t LineAt(const BandLines& out, double spacing) const {
    for (std::size_t l = 0; l < drawnRows_; ++l) {
      const TLineRow& row = *out.lines[l].row;
      if (InDrawingUnits(row.Spacing, row.PaperSize, scale_) == spacing) return l;
    }
    return 0;
  }

  void IndexRegions() {
    for (std::size_t b = 0; b < bands_.size(); ++b) {
      BandLines& band = drawn_[b];
      firstOutline_.push_back(static_cast<long>(curveIndex_.Size()));
      regionIndex_.Add(band.region.outline.empty() ? Box{1.0, 1.0, -1.0, -1.0} : band.region.box);
      for (std::size_t k = 0; k < band.region.outline.size(); ++k) {
        const OutlineCurve& c = band.region.outline[k];
        const long id = static_cast<long>(curveIndex_.Add(BoxOf(c.curve, tolerance_)));
        outlineBand_.push_back(b);
        outlineCurves_.push_back(&band.region.outline[k].curve);
        if (c.line >= 0) {
          band.cuts[static_cast<std::size_t>(c.line)].pieces[static_cast<std::size_t>(c.piece)]
              .outline = id;
        }
      }
    }
    regionIndex_.Index();
    curveIndex_.Index();
    for (std::size_t b = 0; b < bands_.size(); ++b) drawn_[b].simple = SimpleOutline(b);
  }

  bool SimpleOutline(std::size_t b) const {
    const std::vector<OutlineCurve>& outline = drawn_[b].region.outline;
    if (outline.empty()) return false;
    const Curve& first = outline.front().curve;
    const double half = first.Length() / 2.0;
    const PointD left = Plus(first.At(half), LeftNormal(first.DirectionAt(half)),
                             kOwnSideOffsetInTolerances * tolerance_);
    if (geometry::WindingNumber(drawn_[b].region.curves, left) != 1) return false;
    const long firstId = firstOutline_[b];
    const auto crosses = [&](std::size_t k, std::size_t m) {
      const Curve& c = outline[k].curve;
      const Curve& other = outline[m].curve;
      if (!MayMeet(c, other)) return false;
      for (const Meeting& x : MeetCurves(c, other, tolerance_)) {
        // Curves that follow each other meet where one ends and the other starts.
        const bool joint = (geometry::PointDistance(x.point, c.end) <= tolerance_ ||
                            geometry::PointDistance(x.point, c.start) <= tolerance_) &&
                           (geometry::PointDistance(x.point, other.start) <= tolerance_ ||
                            geometry::PointDistance(x.point, other.end) <= tolerance_);
        if (!joint) return true;
      }
      return false;
    };
    // Every two curves of a short outline; those of a long one found near each other.
    if (outline.size() <= kFewOutlineCurves) {
      for (std::size_t k = 0; k < outline.size(); ++k) {
        for (std::size_t m = k + 1; m < outline.size(); ++m) {
          if (crosses(k, m)) return false;
        }
      }
      return true;
    }
    for (std::size_t k = 0; k < outline.size(); ++k) {
      for (const std::uint32_t id : curveIndex_.Near(BoxOf(outline[k].curve, tolerance_))) {
        const long m = static_cast<long>(id) - firstId;
        if (outlineBand_[id] == b && m > static_cast<long>(k) &&
            crosses(k, static_cast<std::size_t>(m))) {
          return false;
        }
      }
    }
    return true;
  }

  bool InsideRegion(std::size_t b, PointD p) const {
    return Locate(drawn_[b].region.curves, p, tolerance_) == Where::Inside;
  }

  // A band whose centre line lies wholly inside one other band's region draws nothing.
  void FindCoveredBands() {
    for (std::size_t b = 0; b < bands_.size(); ++b) {
      const BasePath& path = bands_[b].path;
      if (path.points.size() < 2) continue;
      std::vector<PointD> samples = {path.points.back()};
      for (std::size_t k = 0; k + 1 < path.points.size(); ++k) {
        const Curve t = BaseCurve(path, k);
        samples.push_back(t.start);
        samples.push_back(t.At(t.Length() / 2.0));
      }
      const PointD p = samples.front();
      for (const std::uint32_t s : regionIndex_.Near({p.x, p.y, p.x, p.y})) {
        if (s == b || drawn_[s].covered) continue;
        if (std::all_of(samples.begin(), samples.end(),
                        [&](PointD q) { return InsideRegion(s, q); })) {
          drawn_[b].covered = true;
          break;
        }
      }
    }
  }

  // Whether band s ends where band b runs through, near p: b's inner rows run on across it.
  bool EndsOnBandNear(std::size_t s, std::size_t b, const Curve& part) const {
    const NetworkBand& band = bands_[s];
    if (band.path.closed) return false;
    const double reach = 2.0 * (hi_ - lo_);
    for (const bool atEnd : {false, true}) {
      const BandEnd& end = atEnd ? band.end : band.start;
      if (std::find(end.throughs.begin(), end.throughs.end(), b) == end.throughs.end()) continue;
      const PointD at = atEnd ? band.path.points.back() : band.path.points.front();
      if (geometry::PointDistance(part.NearestPoint(at), at) <= reach) return true;
    }
    return false;
  }

  // Whether two curves may meet within the tolerance: segments each of whose ends lie clear on
  // one side of the other's line cannot. A quick test before the exact one.
  bool MayMeet(const Curve& a, const Curve& b) const {
    if (a.arc || b.arc) return true;
    const auto clear = [&](const Curve& l, const Curve& m) {
      const PointD d = Minus(l.end, l.start);
      const double margin = tolerance_ * std::hypot(d.x, d.y);
      const double s1 = Cross(d, Minus(m.start, l.start)), s2 = Cross(d, Minus(m.end, l.start));
      return (s1 > margin && s2 > margin) || (s1 < -margin && s2 < -margin);
    };
    return !clear(a, b) && !clear(b, a);
  }

  // A place where a piece crosses a region's outline: the curve there, and whether the piece
  // passes into the region (+1, the region lying left of its outline), out of it (-1), or
  // both at once where it passes a corner of the outline (0).
  struct Passing {
    double s = 0.0;
    long curve = kUncut;
    int into = 0;
  };

  // Where `curve` crosses the outlines of other bands near it, band by band along it; the
  // curves of its own band's outline other than its own, for an outer row.
  std::vector<std::pair<std::size_t, Passing>> Passings(std::size_t b, const PieceCut& piece,
                                                        bool outer, std::vector<long>& own) const {
    const Curve& curve = piece.curve;
    std::vector<std::pair<std::size_t, Passing>> found;
    for (const std::uint32_t id : curveIndex_.Near(BoxOf(curve, tolerance_))) {
      const std::size_t s = outlineBand_[id];
      if (drawn_[s].covered) continue;
      if (s == b) {
        if (outer && static_cast<long>(id) != piece.outline) own.push_back(static_cast<long>(id));
        continue;
      }
      const Curve& other = *outlineCurves_[id];
      if (!MayMeet(curve, other)) continue;
      for (const Meeting& x : MeetCurves(curve, other, tolerance_)) {
        if (x.contact == Contact::Touching) continue;
        // Along the outline the piece neither passes in nor out: where it runs, only the
        // points themselves tell.
        int into = 0;
        if (x.contact == Contact::Crossing) {
          into = Cross(other.DirectionAt(x.t), curve.DirectionAt(x.s)) > 0.0 ? 1 : -1;
        }
        found.push_back({s, {x.s, static_cast<long>(id), into}});
      }
    }
    std::sort(found.begin(), found.end(), [](const auto& x, const auto& y) {
      return x.first != y.first ? x.first < y.first : x.second.s < y.second.s;
    });
    // Passings of one band within the tolerance are one, passing a corner of its outline.
    std::vector<std::pair<std::size_t, Passing>> merged;
    for (const auto& [s, x] : found) {
      if (!merged.empty() && merged.back().first == s &&
          x.s - merged.back().second.s <= tolerance_) {
        if (merged.back().second.into != x.into) merged.back().second.into = 0;
        continue;
      }
      merged.push_back({s, x});
    }
    return merged;
  }

  // Adds the parts of the piece inside region s between its passings of that region's outline
  // (all of it where it passes none): inside where it passed in or is about to pass out, or,
  // where those do not tell, where the middle of the part lies inside.
  template <typename Exempt>
  void RemoveInside(std::size_t s, const Curve& curve, const std::vector<Passing>& at,
                    const Exempt& exempt, std::vector<Span>& removed) const {
    const double length = curve.Length();
    for (std::size_t i = 0; i <= at.size(); ++i) {
      const double s0 = i == 0 ? 0.0 : at[i - 1].s, s1 = i == at.size() ? length : at[i].s;
      if (!(s1 - s0 > tolerance_)) continue;  // too short to tell
      const bool simple = drawn_[s].simple;
      const int before = i == 0 || !simple ? 0 : at[i - 1].into;
      const int after = i == at.size() || !simple ? 0 : -at[i].into;
      bool inside = before > 0 || after > 0;
      if (before * after < 0 || (before == 0 && after == 0)) {
        inside = InsideRegion(s, curve.At((s0 + s1) / 2.0));
      }
      if (!inside || exempt(s, s0, s1)) continue;
      removed.push_back(
          {s0, s1, i == 0 ? kUncut : at[i - 1].curve, i == at.size() ? kUncut : at[i].curve});
    }
  }

  // Each piece of the row kept where it is drawn: outside every other band's region (an inner
  // row of a through band also inside the region of a band that ends on it there), region by
  // region between the piece's passings of its outline; an outer row also not where its own
  // band's region lies on both sides of it.
  void Cut(std::size_t b, LineCut& line) {
    for (PieceCut& piece : line.pieces) {
      const Curve& curve = piece.curve;
      std::vector<long> own;
      const auto passings = Passings(b, piece, line.outer, own);
      const auto exempt = [&](std::size_t s, double s0, double s1) {
        return !line.outer && EndsOnBandNear(s, b, curve.Part(s0, s1));
      };
      std::vector<Span> removed;
      std::vector<Passing> at;
      for (std::size_t i = 0; i < passings.size(); ++i) {
        at.push_back(passings[i].second);
        if (i + 1 < passings.size() && passings[i + 1].first == passings[i].first) continue;
        RemoveInside(passings[i].first, curve, at, exempt, removed);
        at.clear();
      }
      // The regions near it whose outlines it does not pass: inside all along, or not at all.
      for (const std::uint32_t s : regionIndex_.Near(BoxOf(curve, tolerance_))) {
        if (s == b || drawn_[s].covered) continue;
        const bool passed = std::binary_search(
            passings.begin(), passings.end(), std::pair<std::size_t, Passing>{s, {}},
            [](const auto& x, const auto& y) { return x.first < y.first; });
        if (!passed) RemoveInside(s, curve, {}, exempt, removed);
      }
      if (line.outer && !own.empty()) RemoveOwnInterior(b, piece, own, removed);
      piece.kept = KeptBetween(std::move(removed), curve.Length());
    }
  }

  // An outer row's parts, between its meetings with the rest of its band's outline, that have
  // the band's region on both sides: where the band's outline folds over itself.
  void RemoveOwnInterior(std::size_t b, const PieceCut& piece, const std::vector<long>& own,
                         std::vector<Span>& removed) const {
    const Curve& curve = piece.curve;
    std::vector<double> at = {0.0, curve.Length()};
    for (const long id : own) {
      for (const Meeting& x :
           MeetCurves(curve, *outlineCurves_[static_cast<std::size_t>(id)], tolerance_)) {
        if (x.contact != Contact::Overlap) at.push_back(x.s);
      }
    }
    std::sort(at.begin(), at.end());
    const double offset = kOwnSideOffsetInTolerances * tolerance_;
    for (std::size_t i = 0; i + 1 < at.size(); ++i) {
      if (!(at[i + 1] - at[i] > tolerance_)) continue;
      const double s = (at[i] + at[i + 1]) / 2.0;
      const PointD p = curve.At(s), n = LeftNormal(curve.DirectionAt(s));
      if (InsideRegion(b, Plus(p, n, offset)) && InsideRegion(b, Plus(p, n, -offset))) {
        removed.push_back({at[i], at[i + 1], kUncut, kUncut});
      }
    }
  }

  // What is left of [0, length] without the removed parts, each end with what cut it there;
  // gaps between them too short to tell are removed too.
  std::vector<Kept> KeptBetween(std::vector<Span> removed, double length) const {
    std::sort(removed.begin(), removed.end(),
              [](const Span& x, const Span& y) { return x.s0 < y.s0; });
    std::vector<Kept> kept;
    double from = 0.0;
    long cause = kUncut;
    for (const Span& r : removed) {
      if (r.s0 - from > tolerance_) kept.push_back({from, r.s0, cause, r.cause0, {}, {}, false});
      if (r.s1 > from) {
        from = r.s1;
        cause = r.cause1;
      }
    }
    if (length - from > tolerance_) kept.push_back({from, length, cause, kUncut, {}, {}, false});
    for (Kept& k : kept) {
      if (!(k.s0 > tolerance_)) {
        k.s0 = 0.0;
        k.cause0 = kUncut;
      }
      if (!(k.s1 < length - tolerance_)) {
        k.s1 = length;
        k.cause1 = kUncut;
      }
    }
    return kept;
  }

  // How near two cut ends of outer rows lie, and their rows' meeting to them, to make a corner.
  double CornerReach() const { return geometry::kCutCornerReachInJoinTolerances * tolerance_; }

  // An end of a kept part of an outer row where an outline curve cut it.
  struct CutEnd {
    std::size_t band, line, piece, kept;
    bool atStart;
    PointD point;
    long own, cause;
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

  // Two outer rows that cut each other where they cross meet at that crossing: the ends that
  // each cut the other, near each other, in the order of their places.
  void JoinCorners() {
    std::vector<CutEnd> ends;
    std::unordered_map<long, std::vector<std::size_t>> byOwn;
    for (std::size_t b = 0; b < drawn_.size(); ++b) {
      for (std::size_t l = 0; l < drawn_[b].cuts.size(); ++l) {
        const LineCut& line = drawn_[b].cuts[l];
        if (!line.outer) continue;
        for (std::size_t p = 0; p < line.pieces.size(); ++p) {
          const PieceCut& piece = line.pieces[p];
          if (piece.outline == kUncut) continue;
          for (std::size_t k = 0; k < piece.kept.size(); ++k) {
            const Kept& kept = piece.kept[k];
            for (const bool atStart : {true, false}) {
              const long cause = atStart ? kept.cause0 : kept.cause1;
              if (cause == kUncut) continue;
              byOwn[piece.outline].push_back(ends.size());
              ends.push_back({b, l, p, k, atStart, piece.curve.At(atStart ? kept.s0 : kept.s1),
                              piece.outline, cause});
            }
          }
        }
      }
    }
    std::vector<std::pair<std::size_t, std::size_t>> pairs;
    std::vector<bool> paired(ends.size(), false);
    for (std::size_t e = 0; e < ends.size(); ++e) {
      if (paired[e]) continue;
      const auto partners = byOwn.find(ends[e].cause);
      if (partners == byOwn.end()) continue;
      for (const std::size_t f : partners->second) {
        if (paired[f] || ends[f].cause != ends[e].own || ends[f].band == ends[e].band) continue;
        if (geometry::PointDistance(ends[e].point, ends[f].point) > CornerReach()) continue;
        paired[e] = paired[f] = true;
        pairs.push_back({e, f});
        break;
      }
    }
    std::sort(pairs.begin(), pairs.end(), [&](const auto& x, const auto& y) {
      const PointD p = ends[x.first].point, q = ends[y.first].point;
      return p.x != q.x ? p.x < q.x : p.y < q.y;
    });
    for (const auto& [e, f] : pairs) JoinCorner(ends[e], ends[f]);
  }

  // A kept part of a row piece at a corner, and which of its ends lies there.
  struct Side {
    std::size_t band, line, piece, kept;
    bool atStart;
  };

  Kept& KeptOf(const Side& side) {
    return drawn_[side.band].cuts[side.line].pieces[side.piece].kept[side.kept];
  }
  const Curve& CurveAt(const Side& side) const {
    return drawn_[side.band].cuts[side.line].pieces[side.piece].curve;
  }

  // The kept part that the row runs on into from the far end of `side`, where that end is the
  // piece's own, uncut; its end there then lies at the corner.
  std::optional<Side> NextAlong(const Side& side) {
    const Kept& k = KeptOf(side);
    const Curve& curve = CurveAt(side);
    const bool toEnd = side.atStart;
    if (toEnd ? k.s1 < curve.Length() : k.s0 > 0.0) return std::nullopt;
    const PointD far = toEnd ? curve.end : curve.start;
    const LineCut& line = drawn_[side.band].cuts[side.line];
    for (std::size_t p = 0; p < line.pieces.size(); ++p) {
      if (p == side.piece) continue;
      const PieceCut& piece = line.pieces[p];
      for (std::size_t q = 0; q < piece.kept.size(); ++q) {
        const Kept& next = piece.kept[q];
        if (next.s0 == 0.0 && geometry::PointDistance(piece.curve.start, far) <= tolerance_) {
          return Side{side.band, side.line, p, q, true};
        }
        if (next.s1 == piece.curve.Length() &&
            geometry::PointDistance(piece.curve.end, far) <= tolerance_) {
          return Side{side.band, side.line, p, q, false};
        }
      }
    }
    return std::nullopt;
  }

  // The direction from the corner into a side's kept part.
  PointD Into(const Side& side, PointD corner) const {
    const Curve& t = CurveAt(side);
    const PointD d = t.DirectionAt(t.Along(corner));
    return side.atStart ? d : Negated(d);
  }

  // Whether a fillet's tangent point lies within the side's kept part.
  bool Fits(const Side& side, PointD tangent) {
    const Kept& k = KeptOf(side);
    const double s = CurveAt(side).Along(tangent);
    return side.atStart ? s > k.s0 - kFit && s + kFit < k.s1 : s < k.s1 + kFit && s > k.s0 + kFit;
  }

  // The fillet of the corner between two sides, where it fits on both.
  std::optional<Fillet> FitFillet(const Side& a, const Side& b, PointD near, double radius) {
    const std::optional<PointD> x = CarriersMeetNearest(CurveAt(a), CurveAt(b), near);
    if (!x || geometry::PointDistance(*x, near) > kCornerWalkReach * radius + CornerReach()) {
      return std::nullopt;
    }
    const std::optional<Fillet> fillet =
        geometry::FilletBetween(CurveAt(a), Into(a, *x), CurveAt(b), Into(b, *x), *x, radius);
    if (!fillet || !Fits(a, fillet->tangent1) || !Fits(b, fillet->tangent2)) return std::nullopt;
    return fillet;
  }

  // Joins two cut ends at the meeting of their rows, rounded where the fillet fits: on the
  // pieces cut there, or, where a piece there is too short for it, on a piece that the row runs
  // on into (a bend of a row next to the junction), the short piece then swallowed.
  void JoinCorner(const CutEnd& e, const CutEnd& f) {
    const Side first{e.band, e.line, e.piece, e.kept, e.atStart};
    const Side second{f.band, f.line, f.piece, f.kept, f.atStart};
    const std::optional<PointD> meeting =
        CarriersMeetNearest(CurveAt(first), CurveAt(second), geometry::Midpoint(e.point, f.point));
    if (!meeting || geometry::PointDistance(*meeting, e.point) > CornerReach()) return;
    const PointD x = *meeting;
    LineCut& la = drawn_[e.band].cuts[e.line];
    LineCut& lb = drawn_[f.band].cuts[f.line];
    const double radius = CornerRadius(la, lb);
    if (radius > 0.0) {
      std::vector<Side> as = {first}, bs = {second};
      for (std::size_t k = 0; k < kCornerWalkPieces; ++k) {
        if (const std::optional<Side> next = NextAlong(as.back())) as.push_back(*next);
        if (const std::optional<Side> next = NextAlong(bs.back())) bs.push_back(*next);
      }
      // The fewest pieces swallowed first.
      for (std::size_t steps = 0; steps < as.size() + bs.size() - 1; ++steps) {
        for (std::size_t i = 0; i <= steps; ++i) {
          const std::size_t j = steps - i;
          if (i >= as.size() || j >= bs.size()) continue;
          const std::optional<Fillet> fillet = FitFillet(as[i], bs[j], x, radius);
          if (!fillet) continue;
          for (std::size_t k = 0; k < i; ++k) Swallow(as[k]);
          for (std::size_t k = 0; k < j; ++k) Swallow(bs[k]);
          SetEnd(KeptOf(as[i]), CurveAt(as[i]), fillet->tangent1, as[i].atStart);
          SetEnd(KeptOf(bs[j]), CurveAt(bs[j]), fillet->tangent2, bs[j].atStart);
          // In the row that comes first counterclockwise round the junction: the one clockwise
          // of the corner's middle direction, seen from the corner.
          const PointD u = Into(as[i], x), v = Into(bs[j], x);
          const PointD w{u.x + v.x, u.y + v.y};
          (Cross(w, u) < 0.0 ? la : lb).corners.push_back(FilletArc(*fillet, radius));
          return;
        }
      }
    }
    SetEnd(KeptOf(first), CurveAt(first), x, e.atStart);
    SetEnd(KeptOf(second), CurveAt(second), x, f.atStart);
  }

  void Swallow(const Side& side) { KeptOf(side).swallowed = true; }

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
      if (band.covered) continue;
      for (std::size_t l = 0; l < band.lines.size(); ++l) {
        const DrawnLine& line = band.lines[l];
        const LineCut& cut = band.cuts[l];
        DrawnLine& written = out.emplace_back(DrawnLine{line.row, {}});
        for (std::size_t p = 0; p < line.pieces.size(); ++p) {
          const PieceCut& piece = cut.pieces[p];
          for (const Kept& k : piece.kept) {
            if (k.swallowed) continue;
            written.pieces.push_back(PieceOf(line.pieces[p], piece.curve, k.s0, k.s1,
                                             k.a ? &*k.a : nullptr, k.b ? &*k.b : nullptr));
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

  const TLineTable& table_;
  double scale_, lo_, hi_, tolerance_;
  std::size_t drawnRows_;  // the lines after them are the caps
  std::vector<NetworkBand> bands_;
  std::vector<BandLines> drawn_;
  geometry::BoxIndex regionIndex_;  // per band, its region's box
  geometry::BoxIndex curveIndex_;   // per outline curve of every band
  std::vector<std::size_t> outlineBand_;
  std::vector<long> firstOutline_;  // per band, the number of its first outline curve
  std::vector<const Curve*> outlineCurves_;
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
