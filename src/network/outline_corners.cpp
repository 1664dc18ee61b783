// Corners of a network's outline: where two bands' outer rows cut each other, they are joined
// at their crossing and rounded there, on the pieces cut there or on one that the row runs on
// into, with the fillet arc in the row that comes first counterclockwise round the corner; the
// area between the arc and the rows, as they run to their crossing, kept for the fill.
#include "network/outline_corners.h"

#include <algorithm>
#include <unordered_map>

#include "geometry/curve_fillet.h"
#include "geometry/curve_meeting.h"
#include "geometry/tolerances.h"
#include "geometry/vector2.h"

namespace tq58 {

namespace {

using geometry::Fillet;

constexpr double kFit = geometry::kCornerLengthTolerance;
using geometry::kCornerWalkPieces;
using geometry::kCornerWalkReach;

// An end of a kept part of an outer row where an outline curve cut it.
struct CutEnd {
  std::size_t band, line, piece, kept;
  bool atStart;
  PointD point;
  long own, cause;
};

// The ends of outer rows that each cut the other, of two bands, within `reach` of each other:
// the corners where two rows cross, in the order of their places.
std::vector<std::pair<CutEnd, CutEnd>> CutCorners(const std::vector<std::vector<LineCut>>& cuts,
                                                  double reach) {
  std::vector<CutEnd> ends;
  std::unordered_map<long, std::vector<std::size_t>> byOwn;
  for (std::size_t b = 0; b < cuts.size(); ++b) {
    for (std::size_t l = 0; l < cuts[b].size(); ++l) {
      const LineCut& line = cuts[b][l];
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
  std::vector<std::pair<CutEnd, CutEnd>> corners;
  std::vector<bool> paired(ends.size(), false);
  for (std::size_t e = 0; e < ends.size(); ++e) {
    if (paired[e]) continue;
    const auto partners = byOwn.find(ends[e].cause);
    if (partners == byOwn.end()) continue;
    for (const std::size_t f : partners->second) {
      if (paired[f] || ends[f].cause != ends[e].own || ends[f].band == ends[e].band) continue;
      if (geometry::PointDistance(ends[e].point, ends[f].point) > reach) continue;
      paired[e] = paired[f] = true;
      corners.push_back({ends[e], ends[f]});
      break;
    }
  }
  std::sort(corners.begin(), corners.end(), [](const auto& x, const auto& y) {
    const PointD p = x.first.point, q = y.first.point;
    return p.x != q.x ? p.x < q.x : p.y < q.y;
  });
  return corners;
}

class CornerJoiner {
 public:
  CornerJoiner(std::vector<std::vector<LineCut>>& cuts, const CornerRadius& radius,
               double tolerance)
      : cuts_(cuts), radius_(radius), tolerance_(tolerance) {}

  // How near two cut ends of outer rows lie, and their rows' meeting to them, to make a corner.
  double CornerReach() const { return geometry::kCutCornerReachInJoinTolerances * tolerance_; }

  // Two outer rows that cut each other where they cross meet at that crossing.
  std::vector<CornerArea> Join() {
    for (const auto& [e, f] : CutCorners(cuts_, CornerReach())) JoinCorner(e, f);
    return std::move(areas_);
  }

 private:
  // A kept part of a row piece at a corner, and which of its ends lies there.
  struct Side {
    std::size_t band, line, piece, kept;
    bool atStart;
  };

  Kept& KeptOf(const Side& side) {
    return cuts_[side.band][side.line].pieces[side.piece].kept[side.kept];
  }
  const Kept& KeptOf(const Side& side) const {
    return cuts_[side.band][side.line].pieces[side.piece].kept[side.kept];
  }
  const Curve& CurveAt(const Side& side) const {
    return cuts_[side.band][side.line].pieces[side.piece].curve;
  }

  // The kept part that the row runs on into from the far end of `side`, where that end is the
  // piece's own, uncut; its end there then lies at the corner.
  std::optional<Side> NextAlong(const Side& side) {
    const Kept& k = KeptOf(side);
    const Curve& curve = CurveAt(side);
    const bool toEnd = side.atStart;
    if (toEnd ? k.s1 < curve.Length() : k.s0 > 0.0) return std::nullopt;
    const PointD far = toEnd ? curve.end : curve.start;
    const LineCut& line = cuts_[side.band][side.line];
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
    LineCut& la = cuts_[e.band][e.line];
    LineCut& lb = cuts_[f.band][f.line];
    const double radius = radius_(la, lb);
    if (radius > geometry::kDegenerateGeometryTolerance) {
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
          const RowPiece arc = FilletArc(*fillet, radius);
          AddArea(as, i, bs, j, x, fillet->tangent1, arc);
          for (std::size_t k = 0; k < i; ++k) Swallow(as[k]);
          for (std::size_t k = 0; k < j; ++k) Swallow(bs[k]);
          SetEnd(KeptOf(as[i]), CurveAt(as[i]), fillet->tangent1, as[i].atStart);
          SetEnd(KeptOf(bs[j]), CurveAt(bs[j]), fillet->tangent2, bs[j].atStart);
          // In the row that comes first counterclockwise round the junction: the one clockwise
          // of the corner's middle direction, seen from the corner.
          const PointD u = Into(as[i], x), v = Into(bs[j], x);
          const PointD w{u.x + v.x, u.y + v.y};
          (Cross(w, u) < 0.0 ? la : lb).corners.push_back(arc);
          return;
        }
      }
    }
    SetEnd(KeptOf(first), CurveAt(first), x, e.atStart);
    SetEnd(KeptOf(second), CurveAt(second), x, f.atStart);
  }

  // The parts of the row from the crossing x along sides[0] to sides[last], up to `to` on that
  // one, each running away from x; the ends between them are the pieces' own.
  void AlongRow(const std::vector<Side>& sides, std::size_t last, PointD x, PointD to,
                CornerArea& out) const {
    for (std::size_t k = 0; k <= last; ++k) {
      const Side& side = sides[k];
      const Curve& c = CurveAt(side);
      const Kept& kept = KeptOf(side);
      const auto along = [&](PointD p) { return std::clamp(c.Along(p), 0.0, c.Length()); };
      const double nearEnd = k == 0 ? along(x) : side.atStart ? kept.s0 : kept.s1;
      const double farEnd = k == last ? along(to) : side.atStart ? kept.s1 : kept.s0;
      const Curve part = c.Part(std::min(nearEnd, farEnd), std::max(nearEnd, farEnd));
      if (part.Length() > geometry::kDegenerateGeometryTolerance)
        out.push_back(nearEnd <= farEnd ? part : part.Reversed());
    }
  }

  // The loop from x along the first row to the arc, along the arc, and back along the second,
  // each curve starting exactly where the one before ends.
  void AddArea(const std::vector<Side>& as, std::size_t i, const std::vector<Side>& bs,
               std::size_t j, PointD x, PointD tangent1, Curve arc) {
    if (geometry::PointDistance(arc.start, tangent1) > geometry::PointDistance(arc.end, tangent1))
      arc = arc.Reversed();
    CornerArea area;
    AlongRow(as, i, x, arc.start, area);
    area.push_back(arc);
    CornerArea back;
    AlongRow(bs, j, x, arc.end, back);
    for (auto c = back.rbegin(); c != back.rend(); ++c) area.push_back(c->Reversed());
    for (std::size_t k = 0; k < area.size(); ++k)
      area[k].start = area[(k + area.size() - 1) % area.size()].end;
    areas_.push_back(std::move(area));
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

  std::vector<std::vector<LineCut>>& cuts_;
  const CornerRadius& radius_;
  double tolerance_;
  std::vector<CornerArea> areas_;
};

}  // namespace

std::vector<CornerArea> JoinOutlineCorners(std::vector<std::vector<LineCut>>& cuts,
                                           const CornerRadius& radius, double tolerance) {
  return CornerJoiner(cuts, radius, tolerance).Join();
}

}  // namespace tq58
