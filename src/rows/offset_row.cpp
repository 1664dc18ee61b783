// The rows of a base path. Each base piece gives one offset piece; the pieces are joined pair
// by pair (two segments at the meeting of their moved lines; a tangent join without a corner;
// otherwise at the meeting of the two offsets nearest the base corner); pieces that collapse,
// that their neighbours' join misses or swallows, are left out and the neighbours joined
// instead, until every join holds. Then the corners are rounded in path order, the closing one
// last, where the fillet fits: between two segments by their lengths left (the radius and the
// fillet's reach along each, which every rounded corner uses up), elsewhere by where the
// fillet touches what is left of both pieces; and the pieces are written.
#include "rows/offset_row.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "geometry/circle_geometry.h"
#include "geometry/curve_fillet.h"
#include "geometry/curve_meeting.h"
#include "geometry/geometry.h"
#include "geometry/tolerances.h"
#include "geometry/vector2.h"

namespace tq58 {
namespace {

using geometry::CurveMeeting;
using geometry::Fillet;
using geometry::Side;
using std::numbers::pi;

using geometry::kFarAngle;
constexpr double kFit = geometry::kCornerLengthTolerance;

using geometry::Cross;
using geometry::Dot;
using geometry::Minus;

// An angle brought into (-pi, pi]. One of a huge arc angle from the file is first brought near
// by whole turns, at once, so that no loop turns it back turn by turn.
double Wrapped(double angle) {
  if (std::fabs(angle) > kFarAngle) angle = std::fmod(angle, 2.0 * pi);
  while (angle > pi) angle -= 2.0 * pi;
  while (angle <= -pi) angle += 2.0 * pi;
  return angle;
}

// One offset piece of the row and where it starts and ends now.
struct OffsetPiece {
  std::size_t base = 0;  // its base segment
  bool arc = false;
  // Its base piece moved by the spacing: the base segment's parallel line, or the base arc's
  // OffsetArc.
  Curve offset;
  PointD direction;    // a segment: the unit direction of its base segment
  double sweep = 0.0;  // an arc: radians, from where the path enters it to where it leaves
  PointD start, end;   // where it starts and ends: its offset ends, then joins, then fillets
  bool startMoved = false, endMoved = false;  // an arc's end moved off the host's angle
  // A segment's ledger for rounding: the length left for radii and the length left for fillet
  // tangents, both its length as joined at first; whether it runs against its base segment.
  double lengthLeft = 0.0, fitLeft = 0.0;
  bool against = false;
  // A segment's corner with a neighbouring segment that is to be rounded, with its radius.
  std::optional<double> roundStart, roundEnd;

  // The angle (radians) at which the path enters or leaves the arc.
  double EntryAngle() const { return geometry::Radians(EntryDeg(offset)); }
  double ExitAngle() const { return geometry::Radians(ExitDeg(offset)); }
  // Turning counterclockwise positive, in the direction of travel.
  double Travel(double angle) const { return RunsClockwise(offset) ? -angle : angle; }

  // How far along the piece `p` lies: the distance from the offset start on a segment, the
  // arc length from the entry on an arc (about the entry, or with `nearExit` about the exit).
  double Along(PointD p, bool nearExit) const {
    if (!arc) return Dot(Minus(p, offset.start), direction);
    const double angle = geometry::DirectionAngle(p.x - offset.centre.x, p.y - offset.centre.y);
    if (nearExit) return (sweep + Wrapped(Travel(angle - ExitAngle()))) * offset.radius;
    return Wrapped(Travel(angle - EntryAngle())) * offset.radius;
  }
};

OffsetPiece OffsetOf(const BasePath& path, std::size_t k, double spacing) {
  OffsetPiece c;
  c.base = k;
  const PointD a = path.points[k], b = path.points[k + 1];
  if (k < path.arcs.size() && path.arcs[k]) {
    c.arc = true;
    c.offset = OffsetArc(*path.arcs[k], spacing);
    c.sweep = geometry::Radians(ArcSweepDeg(c.offset));
    c.start = geometry::PointAtAngle(c.offset.centre, c.offset.radius, EntryDeg(c.offset));
    c.end = geometry::PointAtAngle(c.offset.centre, c.offset.radius, ExitDeg(c.offset));
  } else {
    const SegmentD line = geometry::ParallelLine({a, b}, spacing);
    c.offset = Curve::Segment(line.start, line.end);
    c.direction = geometry::UnitVector(b.x - a.x, b.y - a.y);
    c.start = line.start;
    c.end = line.end;
  }
  return c;
}

// The side of the segment where `inner` lies, a point on its line counting as its left: the
// fillet's centre goes there.
Side FilletSideToward(const SegmentD& segment, PointD inner) {
  return geometry::SideOfLine(segment, inner) == Side::Right ? Side::Right : Side::Left;
}

bool Collapsed(const OffsetPiece& c) {
  return c.arc && !(c.offset.radius > geometry::kDegenerateGeometryTolerance);
}

// How two neighbouring pieces of the row meet.
struct Join {
  enum Kind {
    Corner,   // at `point`, where a fillet may round it
    Tangent,  // at `point` without a corner
    // Two segments whose moved lines are parallel (the path goes straight on or turns back), or
    // an arc where the path turns back: the first piece runs on to the second's start.
    Reversal,
    Missed,  // the offsets do not meet: a piece has to go
    Cut,     // nothing is left to join: the row ends here and begins again after
  } kind = Cut;
  PointD point;
};

// A piece's offset as a full line or circle.
geometry::Curve CarrierOf(const OffsetPiece& c) {
  if (!c.arc) return c.offset;
  return geometry::Curve::Circle(c.offset.centre, c.offset.radius);
}

// The join of piece a and the piece b after it; `adjacent` when no piece between them was
// left out, so that they meet at base vertex `a.base + 1`.
Join JoinOf(const BasePath& path, double spacing, const OffsetPiece& a, const OffsetPiece& b,
            bool adjacent) {
  const PointD corner = path.points[a.base + 1];
  if (!a.arc && !b.arc) {
    // Two segments meet where their moved lines do; into the closing corner of a closed path
    // the last segment is taken as ending at the first point. Parallel lines meet at the
    // second's start, or across a piece left out not at all.
    const bool closing = path.closed && adjacent && b.base == 0;
    const SegmentD aLine =
        closing ? geometry::ParallelLine({path.points[a.base], path.points[0]}, spacing)
                : SegmentD{a.offset.start, a.offset.end};
    const geometry::LineIntersection meeting =
        geometry::IntersectLines({b.offset.start, b.offset.end}, aLine);
    if (meeting.kind != geometry::Intersection::Parallel) return {Join::Corner, meeting.point};
    return adjacent ? Join{Join::Reversal, b.offset.start} : Join{Join::Cut, {}};
  }
  if (adjacent) {
    const geometry::Turn turn =
        geometry::TurnBetween(DirectionAtEnd(path, a.base), DirectionAtStart(path, b.base));
    if (turn == geometry::Turn::Straight) return {Join::Tangent, a.end};
    if (turn == geometry::Turn::Back) return {Join::Reversal, b.start};
  }
  const PointD near = adjacent ? corner : geometry::Midpoint(corner, path.points[b.base]);
  if (const std::optional<PointD> point =
          geometry::CarriersMeetNearest(CarrierOf(a), CarrierOf(b), near)) {
    return {Join::Corner, *point};
  }
  return {adjacent ? Join::Missed : Join::Cut, {}};
}

// A fillet drawn after piece `join`, of the radius it was asked for.
struct FilletAt {
  std::size_t join;
  Fillet fillet;
  double radius;
};

// The unit direction in which the row runs along piece c at p, a point of it.
PointD TravelAt(const OffsetPiece& c, PointD p) {
  if (!c.arc) return c.direction;
  const PointD d = geometry::UnitVector(p.x - c.offset.centre.x, p.y - c.offset.centre.y);
  return RunsClockwise(c.offset) ? PointD{d.y, -d.x} : PointD{-d.y, d.x};
}

// The fillet of `radius` between a and b at the corner where they are joined, between the
// directions back along a and on along b.
std::optional<Fillet> CurveFillet(const OffsetPiece& a, const OffsetPiece& b, double radius) {
  const PointD corner = a.end;
  return geometry::FilletBetween(CarrierOf(a), geometry::Negated(TravelAt(a, corner)), CarrierOf(b),
                                 TravelAt(b, corner), corner, radius);
}

// The piece as the row writes it.
RowPiece DrawnPiece(const OffsetPiece& c) {
  if (!c.arc) return Curve::Segment(c.start, c.end);
  const auto degrees = [&](PointD p) {
    return geometry::DirectionAngleDeg(p.x - c.offset.centre.x, p.y - c.offset.centre.y);
  };
  // The host's own angles where an end has not moved; arcs run counterclockwise.
  const double entry = c.startMoved ? degrees(c.start) : EntryDeg(c.offset);
  const double exit = c.endMoved ? degrees(c.end) : ExitDeg(c.offset);
  if (RunsClockwise(c.offset))
    return Curve::FromHost(c.offset.centre, c.offset.radius, exit, entry);
  return Curve::FromHost(c.offset.centre, c.offset.radius, entry, exit);
}

// The fillet of `radius` at the corner where a ends and b starts, an arc among them, if it
// fits: tangent to both offsets on the inner side of the turn, each tangent point on what is
// left of its piece.
std::optional<Fillet> FitFillet(const OffsetPiece& a, const OffsetPiece& b, double radius) {
  if (!(radius > 0.0) || !std::isfinite(radius)) return std::nullopt;
  std::optional<Fillet> fillet = CurveFillet(a, b, radius);
  if (!fillet) return std::nullopt;
  const double aFrom = a.Along(a.start, false), aAt = a.Along(fillet->tangent1, true);
  const double bTo = b.Along(b.end, true), bAt = b.Along(fillet->tangent2, false);
  if (!(aAt > aFrom + kFit) || !(bAt + kFit < bTo)) return std::nullopt;
  if (!a.arc && !(radius + kFit < a.lengthLeft)) return std::nullopt;
  if (!b.arc && !(radius + kFit < b.lengthLeft)) return std::nullopt;
  return fillet;
}

// The fillets of the segment corners marked, segment by segment: a segment's start moves to
// the fillet of the segments as joined, and its end to the fillet of the segment so far and
// the next as joined, whose arc is drawn after it.
void RoundSegmentCorners(std::vector<OffsetPiece>& curves, std::vector<FilletAt>& fillets) {
  std::vector<SegmentD> joined;
  for (const OffsetPiece& c : curves) joined.push_back({c.start, c.end});
  for (std::size_t m = 0; m < curves.size(); ++m) {
    OffsetPiece& c = curves[m];
    if (c.roundStart) {
      const SegmentD& previous = joined[(m + curves.size() - 1) % curves.size()];
      const SegmentD& current = joined[m];
      const Side side = FilletSideToward(current, geometry::Midpoint(previous.start, current.end));
      if (const auto f = geometry::FilletCorner(side, side, *c.roundStart, previous, current)) {
        c.start = f->tangent2;
      }
    }
    if (c.roundEnd) {
      const SegmentD current{c.start, c.end};
      const SegmentD& next = joined[(m + 1) % curves.size()];
      const Side side = FilletSideToward(current, geometry::Midpoint(current.start, next.end));
      if (const auto f = geometry::FilletCorner(side, side, *c.roundEnd, current, next)) {
        c.end = f->tangent1;
        fillets.push_back({m, *f, *c.roundEnd});
      }
    }
  }
}

// The pieces still in the row, as a ring (closed path) or a line, with the join after each.
class Row {
 public:
  Row(const BasePath& path, double spacing) : path_(path), spacing_(spacing), closed_(path.closed) {
    for (std::size_t k = 0; k + 1 < path.points.size(); ++k) {
      OffsetPiece c = OffsetOf(path, k, spacing);
      if (!Collapsed(c)) curves_.push_back(c);
    }
  }

  // Joins every pair, leaving out what a join misses or swallows, until all joins hold.
  void JoinPieces() {
    for (bool changed = true; changed && curves_.size() > 1;) {
      changed = false;
      joins_.assign(curves_.size(), {});
      for (std::size_t i = 0; i < JoinCount(); ++i) joins_[i] = JoinAfter(i);
      for (std::size_t i = 0; i < JoinCount() && !changed; ++i) {
        if (joins_[i].kind == Join::Missed) {
          Remove(WhichToLeaveOut(i));
          changed = true;
        }
      }
      for (std::size_t i = 0; i < curves_.size() && !changed; ++i) {
        if (Swallowed(i)) {
          Remove(i);
          changed = true;
        }
      }
    }
    if (curves_.size() <= 1) joins_.assign(curves_.size(), {});
    ApplyJoins();
  }

  // Rounds the corners in path order, the closing one last, where the fillet fits; the
  // fillets between two segments are worked out once all their corners are known.
  void Round(const CornerRadii& radii, const std::vector<FilletReach>& reaches) {
    for (std::size_t i = 0; i < JoinCount(); ++i) {
      OffsetPiece& a = curves_[i];
      OffsetPiece& b = curves_[Next(i)];
      const double radius = radii[a.base + 1];
      if (!a.arc && !b.arc) {
        MarkSegmentCorner(i, radius, reaches);
        continue;
      }
      if (joins_[i].kind != Join::Corner) continue;
      if (const std::optional<Fillet> fillet = FitFillet(a, b, radius)) {
        a.end = fillet->tangent1;
        b.start = fillet->tangent2;
        a.endMoved = b.startMoved = true;
        for (auto [c, tangent] : {std::pair{&a, fillet->tangent1}, {&b, fillet->tangent2}}) {
          c->lengthLeft -= radius;
          c->fitLeft -= geometry::PointDistance(tangent, joins_[i].point);
        }
        fillets_.push_back({i, *fillet, radius});
      }
    }
    RoundSegmentCorners(curves_, fillets_);
  }

  std::optional<RowEnds> Ends() const {
    if (curves_.empty()) return std::nullopt;
    return RowEnds{curves_.front().start, curves_.back().end};
  }

  void Write(std::vector<RowPiece>& pieces) const {
    // A corner rounded with no radius to speak of is sharp: its ends met where the fillet's
    // tangent points fell, and it carries no arc.
    std::vector<const FilletAt*> byJoin(curves_.size(), nullptr);
    for (const FilletAt& f : fillets_) {
      if (f.radius > geometry::kDegenerateGeometryTolerance) byJoin[f.join] = &f;
    }
    for (std::size_t i = 0; i < curves_.size(); ++i) {
      const OffsetPiece& c = curves_[i];
      pieces.push_back(DrawnPiece(c));
      if (i < JoinCount() && byJoin[i] != nullptr) {
        pieces.push_back(FilletArc(byJoin[i]->fillet, byJoin[i]->radius));
      } else if (i < JoinCount() && joins_[i].kind == Join::Reversal && c.arc) {
        // An arc cannot run on to the next start: a segment takes the row across.
        pieces.push_back(Curve::Segment(c.end, joins_[i].point));
      }
    }
  }

 private:
  std::size_t JoinCount() const {
    if (curves_.size() < 2) return 0;
    return closed_ ? curves_.size() : curves_.size() - 1;
  }
  std::size_t Next(std::size_t i) const { return (i + 1) % curves_.size(); }

  bool Adjacent(std::size_t i) const {
    const std::size_t segments = path_.points.size() - 1;
    return (curves_[i].base + 1) % segments == curves_[Next(i)].base;
  }

  struct Join JoinAfter(std::size_t i) const {
    return JoinOf(path_, spacing_, curves_[i], curves_[Next(i)], Adjacent(i));
  }

  // Of two pieces whose offsets miss each other, the arc goes (of two arcs, the smaller).
  std::size_t WhichToLeaveOut(std::size_t i) const {
    const OffsetPiece& a = curves_[i];
    const OffsetPiece& b = curves_[Next(i)];
    if (a.arc != b.arc) return a.arc ? i : Next(i);
    return a.offset.radius <= b.offset.radius ? i : Next(i);
  }

  // A piece whose joins meet it the wrong way round, so that it would run backwards. A segment
  // joined to segments or tangent curves at both ends stays as along indicated points.
  bool Swallowed(std::size_t i) const {
    if (JoinCount() == 0) return false;
    const OffsetPiece& c = curves_[i];
    const bool hasBefore = closed_ || i > 0;
    const bool hasAfter = i < JoinCount();
    const struct Join* before =
        hasBefore ? &joins_[(i + curves_.size() - 1) % curves_.size()] : nullptr;
    const struct Join* after = hasAfter ? &joins_[i] : nullptr;
    // A segment joined to a segment, or running on tangentially, keeps its end as it is.
    const auto plain = [&](const struct Join* j, std::size_t other) {
      return j == nullptr || (!c.arc && (!curves_[other].arc || j->kind == Join::Tangent));
    };
    if (plain(before, (i + curves_.size() - 1) % curves_.size()) && plain(after, Next(i))) {
      return false;
    }
    // Only a corner moves the piece's end; elsewhere it ends where its offset does.
    const auto atCorner = [](const struct Join* j) {
      return j != nullptr && j->kind == Join::Corner;
    };
    const double from = atCorner(before) ? c.Along(before->point, false) : c.Along(c.start, false);
    const double to = atCorner(after) ? c.Along(after->point, true) : c.Along(c.end, true);
    return !(to - from > geometry::kDegenerateGeometryTolerance);
  }

  void Remove(std::size_t i) { curves_.erase(curves_.begin() + static_cast<std::ptrdiff_t>(i)); }

  // Moves each piece's ends to its joins; a cut leaves them where the offset ends.
  void ApplyJoins() {
    for (std::size_t i = 0; i < JoinCount(); ++i) {
      const struct Join& j = joins_[i];
      OffsetPiece& a = curves_[i];
      OffsetPiece& b = curves_[Next(i)];
      switch (j.kind) {
        case Join::Corner:
          a.end = b.start = j.point;
          a.endMoved = b.startMoved = true;
          break;
        case Join::Tangent:
          b.start = j.point;
          break;
        case Join::Reversal:
          if (!a.arc) a.end = j.point;
          break;
        case Join::Missed:
        case Join::Cut:
          break;
      }
    }
    for (OffsetPiece& c : curves_) {
      if (c.arc) continue;
      c.lengthLeft = c.fitLeft = geometry::PointDistance(c.start, c.end);
      const PointD a = path_.points[c.base], b = path_.points[c.base + 1];
      c.against = Dot(Minus(c.end, c.start), Minus(b, a)) < 0.0;
    }
  }

  // Whether the corner of two segments after piece i is to be rounded, from their ledgers: both
  // must have more than the radius left and more than the fillet's tangent length (the radius
  // times its reach there), and rounding uses up both on both. Where the moved lines are
  // parallel the corner has no tangent length; where the path turns back there it stays sharp,
  // since no fillet turns through 180 degrees.
  void MarkSegmentCorner(std::size_t i, double radius, const std::vector<FilletReach>& reaches) {
    OffsetPiece& a = curves_[i];
    OffsetPiece& b = curves_[Next(i)];
    const Join& join = joins_[i];
    if (join.kind == Join::Reversal && Dot(a.direction, b.direction) < 0.0) return;
    if (join.kind != Join::Corner && join.kind != Join::Reversal) return;
    const FilletReach reach =
        Adjacent(i) ? reaches[a.base + 1] : ReachOfTurn(a.direction, b.direction);
    const double factor = a.against == b.against ? reach.alongBase : reach.oneReversed;
    const double tangentLength = join.kind == Join::Corner ? radius * factor : 0.0;
    const auto bothHaveMoreThan = [&](double OffsetPiece::*left, double needed) {
      return needed + kFit < a.*left && needed + kFit < b.*left;
    };
    if (!bothHaveMoreThan(&OffsetPiece::lengthLeft, radius) ||
        !bothHaveMoreThan(&OffsetPiece::fitLeft, tangentLength)) {
      return;
    }
    a.roundEnd = b.roundStart = radius;
    for (OffsetPiece* c : {&a, &b}) {
      c->lengthLeft -= radius;
      c->fitLeft -= tangentLength;
    }
  }

  const BasePath& path_;
  double spacing_;
  bool closed_;
  std::vector<OffsetPiece> curves_;
  std::vector<struct Join> joins_;  // joins_[i]: between curves_[i] and the one after it
  std::vector<FilletAt> fillets_;
};

bool IsCircle(const BasePath& path) {
  return path.closed && path.points.size() == 2 && path.arcs.size() == 1 && path.arcs[0] &&
         ArcSweepDeg(*path.arcs[0]) >= 360.0;
}

}  // namespace

std::optional<RowEnds> AppendOffsetRow(const BasePath& path, double spacing,
                                       const CornerRadii& radii,
                                       const std::vector<FilletReach>& reaches,
                                       std::vector<RowPiece>& pieces) {
  if (path.points.size() < 2) return std::nullopt;
  if (IsCircle(path)) {
    const Curve& circle = *path.arcs[0];
    const double radius = OffsetRadius(circle, spacing);
    if (radius > geometry::kDegenerateGeometryTolerance) {
      pieces.push_back(Curve::Circle(circle.centre, radius));
    }
    return std::nullopt;
  }
  Row row(path, spacing);
  row.JoinPieces();
  row.Round(radii, reaches);
  row.Write(pieces);
  return row.Ends();
}

}  // namespace tq58
