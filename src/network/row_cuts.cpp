// Cutting a row piece against the regions of other bands. A part between two places where the
// piece passes a region's outline lies inside where the piece passed in or is about to pass
// out; where a simple outline's crossings do not tell (a corner, a row along the outline) or
// the outline is not simple, the winding number of the part's middle does.
#include "network/row_cuts.h"

#include <algorithm>

#include "geometry/curve_meeting.h"
#include "geometry/vector2.h"

namespace tq58 {

namespace {

using geometry::Contact;
using geometry::Meeting;

// An outer row lies inside its own band's region where points this many join tolerances to
// either side of it both do.
constexpr double kOwnSideOffsetInTolerances = 4.0;

// A part of a piece from s0 to s1 along it, and the outline curves whose crossings bound it.
struct Span {
  double s0 = 0.0, s1 = 0.0;
  long cause0 = kUncut, cause1 = kUncut;
};

// A place where a piece passes a region's outline: the curve there, and whether the piece
// passes into the region (+1, the region lying left of its outline), out of it (-1), or
// neither for certain (0: at a corner of the outline, or running along it).
struct Passing {
  double s = 0.0;
  long curve = kUncut;
  int into = 0;
};

class PieceCutter {
 public:
  PieceCutter(const NetworkRegions& regions, std::size_t band, const PieceCut& piece, bool outer,
              const InsideExempt& exempt, double tolerance)
      : regions_(regions),
        band_(band),
        piece_(piece),
        curve_(piece.curve),
        outer_(outer),
        exempt_(exempt),
        tolerance_(tolerance) {}

  std::vector<Kept> Cut() {
    const geometry::Box box = BoxOf(curve_, tolerance_);
    const std::vector<std::pair<std::size_t, Passing>> passings = Passings(box);
    std::vector<Passing> at;
    for (std::size_t i = 0; i < passings.size(); ++i) {
      at.push_back(passings[i].second);
      if (i + 1 < passings.size() && passings[i + 1].first == passings[i].first) continue;
      RemoveInside(passings[i].first, at);
      at.clear();
    }
    // The regions near it whose outlines it does not pass: inside all along, or not at all.
    for (const std::uint32_t s : regions_.BandsNear(box)) {
      if (s == band_) continue;
      const bool passed = std::binary_search(
          passings.begin(), passings.end(), std::pair<std::size_t, Passing>{s, {}},
          [](const auto& x, const auto& y) { return x.first < y.first; });
      if (!passed) RemoveInside(s, {});
    }
    if (!own_.empty()) RemoveOwnInterior();
    return KeptBetween();
  }

 private:
  // Where the piece passes the outlines of other bands near it, band by band along it; the
  // curves of its own band's outline other than its own, for an outer row.
  std::vector<std::pair<std::size_t, Passing>> Passings(const geometry::Box& box) {
    std::vector<std::pair<std::size_t, Passing>> found;
    for (const std::uint32_t id : regions_.CurvesNear(box)) {
      const std::size_t s = regions_.BandOf(id);
      if (s == band_) {
        if (outer_ && static_cast<long>(id) != piece_.outline) own_.push_back(id);
        continue;
      }
      const Curve& other = regions_.CurveAt(id);
      if (!regions_.MayMeet(curve_, other)) continue;
      for (const Meeting& x : MeetCurves(curve_, other, tolerance_)) {
        if (x.contact == Contact::Touching) continue;
        int into = 0;
        if (x.contact == Contact::Crossing) {
          into = geometry::Cross(other.DirectionAt(x.t), curve_.DirectionAt(x.s)) > 0.0 ? 1 : -1;
        }
        found.push_back({s, {x.s, static_cast<long>(id), into}});
      }
    }
    std::sort(found.begin(), found.end(), [](const auto& x, const auto& y) {
      return x.first != y.first ? x.first < y.first : x.second.s < y.second.s;
    });
    // Passings of one outline within the tolerance are one: a corner of the outline.
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

  // The parts of the piece inside region s between its passings `at` of that region's outline
  // (all of it where it passes none).
  void RemoveInside(std::size_t s, const std::vector<Passing>& at) {
    const double length = curve_.Length();
    const bool simple = regions_.Simple(s);
    for (std::size_t i = 0; i <= at.size(); ++i) {
      const double s0 = i == 0 ? 0.0 : at[i - 1].s, s1 = i == at.size() ? length : at[i].s;
      if (!(s1 - s0 > tolerance_)) continue;  // too short to tell
      const int before = i == 0 || !simple ? 0 : at[i - 1].into;
      const int after = i == at.size() || !simple ? 0 : -at[i].into;
      bool inside = before > 0 || after > 0;
      if (before * after < 0 || (before == 0 && after == 0)) {
        inside = regions_.Inside(s, curve_.At((s0 + s1) / 2.0));
      }
      if (!inside || (exempt_ && exempt_(s, band_, curve_.Part(s0, s1)))) continue;
      removed_.push_back(
          {s0, s1, i == 0 ? kUncut : at[i - 1].curve, i == at.size() ? kUncut : at[i].curve});
    }
  }

  // The parts, between the piece's meetings with the rest of its band's outline, that have
  // the band's region on both sides.
  void RemoveOwnInterior() {
    std::vector<double> at = {0.0, curve_.Length()};
    for (const std::uint32_t id : own_) {
      for (const Meeting& x : MeetCurves(curve_, regions_.CurveAt(id), tolerance_)) {
        if (x.contact != Contact::Overlap) at.push_back(x.s);
      }
    }
    std::sort(at.begin(), at.end());
    const double offset = kOwnSideOffsetInTolerances * tolerance_;
    for (std::size_t i = 0; i + 1 < at.size(); ++i) {
      if (!(at[i + 1] - at[i] > tolerance_)) continue;
      const double s = (at[i] + at[i + 1]) / 2.0;
      const PointD p = curve_.At(s), n = geometry::LeftNormal(curve_.DirectionAt(s));
      if (regions_.Inside(band_, geometry::Plus(p, n, offset)) &&
          regions_.Inside(band_, geometry::Plus(p, n, -offset))) {
        removed_.push_back({at[i], at[i + 1], kUncut, kUncut});
      }
    }
  }

  // What is left of the piece without the removed parts, each end with what cut it there;
  // gaps between them too short to tell are removed too.
  std::vector<Kept> KeptBetween() {
    const double length = curve_.Length();
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

  const NetworkRegions& regions_;
  std::size_t band_;
  const PieceCut& piece_;
  const Curve& curve_;
  bool outer_;
  const InsideExempt& exempt_;
  double tolerance_;
  std::vector<std::uint32_t> own_;
  std::vector<Span> removed_;
};

}  // namespace

std::vector<Kept> CutPiece(const NetworkRegions& regions, std::size_t b, const PieceCut& piece,
                           bool outer, const InsideExempt& exempt, double tolerance) {
  return PieceCutter(regions, b, piece, outer, exempt, tolerance).Cut();
}

}  // namespace tq58
