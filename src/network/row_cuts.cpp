// Cutting a row piece against the regions of other bands. A part between two places where the
// piece passes a region's outline lies inside where the piece passed in or is about to pass
// out; where a simple outline's crossings do not tell (a corner, a row along the outline) or
// the outline is not simple, the winding number of the part's middle does.
#include "network/row_cuts.h"

#include <algorithm>
#include <cmath>

#include "geometry/curve_meeting.h"
#include "geometry/vector2.h"

namespace tq58 {

namespace {

using geometry::Contact;
using geometry::Meeting;

using geometry::kClearCrossingMarginInTolerances;
using geometry::kOwnSideOffsetInTolerances;

}  // namespace

RowCutter::RowCutter(const NetworkRegions& regions, double tolerance)
    : regions_(regions), tolerance_(tolerance), groupOfBand_(regions.BandCount(), -1) {}

std::vector<Kept> RowCutter::Cut(std::size_t b, const PieceCut& piece, bool outer,
                                 const InsideExempt& exempt) {
  const Curve& curve = piece.curve;
  const geometry::Box box = BoxOf(curve, tolerance_);
  removed_.clear();
  own_.clear();
  FindPassings(b, piece, outer, box);
  for (std::size_t g = 0; g < groupBands_.size(); ++g) {
    RemoveInside(groupBands_[g], b, curve, groups_[g], exempt);
  }
  // The regions near it whose outlines it does not pass: inside all along, or not at all.
  static const std::vector<Passing> kNone;
  for (const std::uint32_t s : regions_.BandsNear(box)) {
    if (s != b && groupOfBand_[s] < 0) RemoveInside(s, b, curve, kNone, exempt);
  }
  for (const std::size_t s : groupBands_) groupOfBand_[s] = -1;
  if (!own_.empty()) RemoveOwnInterior(b, curve);
  return KeptBetween(curve.Length());
}

// Where the piece passes the outlines of other bands near it, grouped by band, each group in
// order along the piece; the curves of its own band's outline other than its own, for an outer
// row.
void RowCutter::FindPassings(std::size_t b, const PieceCut& piece, bool outer,
                             const geometry::Box& box) {
  const Curve& curve = piece.curve;
  const double length = curve.Length();
  groupBands_.clear();
  const auto add = [&](std::size_t s, const Passing& x) {
    if (groupOfBand_[s] < 0) {
      groupOfBand_[s] = static_cast<int>(groupBands_.size());
      groupBands_.push_back(s);
      if (groups_.size() < groupBands_.size()) groups_.emplace_back();
      groups_[groupBands_.size() - 1].clear();
    }
    groups_[static_cast<std::size_t>(groupOfBand_[s])].push_back(x);
  };
  for (const std::uint32_t id : regions_.CurvesNear(box)) {
    const std::size_t s = regions_.BandOf(id);
    if (s == b) {
      if (outer && static_cast<long>(id) != piece.outline) own_.push_back(id);
      continue;
    }
    const Curve& other = regions_.CurveAt(id);
    if (!curve.arc && !other.arc) {
      Passing crossing;
      const SegmentMeeting meeting = MeetSegments(curve, length, id, crossing);
      if (meeting == SegmentMeeting::None) continue;
      if (meeting == SegmentMeeting::Clear) {
        add(s, crossing);
        continue;
      }
    }
    for (const Meeting& x : MeetCurves(curve, other, tolerance_)) {
      if (x.contact == Contact::Touching) continue;
      // A crossing at an end of the outline's curve passes a corner of the outline, where the
      // curve before or after may run at a glancing angle within the tolerance of the piece
      // without meeting it: which way it passes there is left to the winding number.
      const double otherLength = regions_.LengthAt(id);
      const bool atCorner = !(x.t > tolerance_ && x.t < otherLength - tolerance_);
      int into = 0;
      if (x.contact == Contact::Crossing && !atCorner) {
        into = geometry::Cross(other.DirectionAt(x.t), curve.DirectionAt(x.s)) > 0.0 ? 1 : -1;
      }
      add(s, {x.s, static_cast<long>(id), into});
    }
  }
  for (std::size_t g = 0; g < groupBands_.size(); ++g) {
    std::vector<Passing>& at = groups_[g];
    std::sort(at.begin(), at.end(), [](const Passing& x, const Passing& y) { return x.s < y.s; });
    // Passings of one outline within the tolerance are one: a corner of the outline.
    std::size_t n = 0;
    for (const Passing& x : at) {
      if (n > 0 && x.s - at[n - 1].s <= tolerance_) {
        if (at[n - 1].into != x.into) at[n - 1].into = 0;
        continue;
      }
      at[n++] = x;
    }
    at.resize(n);
  }
}

// Two segments that cannot meet within the tolerance (the ends of one clear on one side of the
// other's line), or that cross clearly, at an angle and away from both ends, told apart at
// once without the care that meetings near an end or at a glancing angle need.
RowCutter::SegmentMeeting RowCutter::MeetSegments(const Curve& curve, double length,
                                                  std::uint32_t id, Passing& crossing) const {
  const Curve& other = regions_.CurveAt(id);
  const double otherLength = regions_.LengthAt(id);
  if (geometry::SegmentsApart(curve, other, tolerance_)) return SegmentMeeting::None;
  const std::optional<geometry::ClearCrossing> clear = geometry::CrossClearly(
      curve, length, other, otherLength, kClearCrossingMarginInTolerances * tolerance_);
  if (!clear) return SegmentMeeting::Unclear;
  crossing = {clear->along, static_cast<long>(id), clear->leftward ? -1 : 1};
  return SegmentMeeting::Clear;
}

// The parts of the piece inside region s between its passings `at` of that region's outline
// (all of it where it passes none).
void RowCutter::RemoveInside(std::size_t s, std::size_t b, const Curve& curve,
                             const std::vector<Passing>& at, const InsideExempt& exempt) {
  const double length = curve.Length();
  const bool simple = regions_.Simple(s);
  for (std::size_t i = 0; i <= at.size(); ++i) {
    const double s0 = i == 0 ? 0.0 : at[i - 1].s, s1 = i == at.size() ? length : at[i].s;
    if (!(s1 - s0 > tolerance_)) continue;  // too short to tell
    const int before = i == 0 || !simple ? 0 : at[i - 1].into;
    const int after = i == at.size() || !simple ? 0 : -at[i].into;
    bool inside = before > 0 || after > 0;
    if (before * after < 0 || (before == 0 && after == 0)) {
      inside = regions_.Inside(s, curve.At((s0 + s1) / 2.0));
    }
    if (!inside || (exempt && exempt(s, b, curve.Part(s0, s1)))) continue;
    removed_.push_back(
        {s0, s1, i == 0 ? kUncut : at[i - 1].curve, i == at.size() ? kUncut : at[i].curve});
  }
}

// The parts, between the piece's meetings with the rest of its band's outline, that have the
// band's region on both sides.
void RowCutter::RemoveOwnInterior(std::size_t b, const Curve& curve) {
  std::vector<double> at = {0.0, curve.Length()};
  for (const std::uint32_t id : own_) {
    for (const Meeting& x : MeetCurves(curve, regions_.CurveAt(id), tolerance_)) {
      if (x.contact != Contact::Overlap) at.push_back(x.s);
    }
  }
  std::sort(at.begin(), at.end());
  const double offset = kOwnSideOffsetInTolerances * tolerance_;
  for (std::size_t i = 0; i + 1 < at.size(); ++i) {
    if (!(at[i + 1] - at[i] > tolerance_)) continue;
    const double s = (at[i] + at[i + 1]) / 2.0;
    const PointD p = curve.At(s), n = geometry::LeftNormal(curve.DirectionAt(s));
    if (regions_.Inside(b, geometry::Plus(p, n, offset)) &&
        regions_.Inside(b, geometry::Plus(p, n, -offset))) {
      removed_.push_back({at[i], at[i + 1], kUncut, kUncut});
    }
  }
}

// What is left of the piece without the removed parts, each end with what cut it there; gaps
// between them too short to tell are removed too.
std::vector<Kept> RowCutter::KeptBetween(double length) {
  std::sort(removed_.begin(), removed_.end(),
            [](const Span& x, const Span& y) { return x.s0 < y.s0; });
  std::vector<Kept> kept;
  double from = 0.0;
  long cause = kUncut;
  for (const Span& r : removed_) {
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

}  // namespace tq58
