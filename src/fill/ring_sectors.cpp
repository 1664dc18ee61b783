// Pairs arcs about one centre into ring sectors: the angles both cover, checked to hold no other
// curve and to lie inside the outline, then cut out of both arcs.
#include "fill/ring_sectors.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "geometry/curve_meeting.h"
#include "geometry/geometry.h"
#include "geometry/tolerances.h"
#include "geometry/vector2.h"

namespace tq58 {

namespace {

using geometry::Curve;
using geometry::PolarPoint;

constexpr double kFullTurn = 2.0 * std::numbers::pi;

// The angles an arc covers, counterclockwise from `start` over `sweep`.
struct Span {
  double start = 0.0, sweep = 0.0;
};

Span CounterclockwiseSpan(const Curve& arc) {
  const Curve ccw = arc.Counterclockwise();
  return {ccw.from, ccw.sweep};
}

// The longest run of angles both spans cover.
std::optional<Span> Common(Span a, Span b) {
  const double d = geometry::AngleAfter(a.start, b.start);
  Span best;
  if (d < a.sweep) best = {a.start + d, std::min(a.sweep - d, b.sweep)};
  if (d + b.sweep > kFullTurn) {
    const double sweep = std::min(a.sweep, d + b.sweep - kFullTurn);
    if (sweep > best.sweep) best = {a.start, sweep};
  }
  if (!(best.sweep > 0.0)) return std::nullopt;
  return best;
}

bool FullTurn(const Curve& arc) { return std::fabs(arc.sweep) >= kFullTurn; }

// Where along the arc (a distance from its start) the angle lies, its sense taken into account,
// an angle just beyond either end taken as that end.
double DistanceAt(const Curve& arc, double angle) {
  const double sweep = std::fabs(arc.sweep);
  double d = arc.sweep > 0.0 ? geometry::AngleAfter(arc.from, angle)
                             : geometry::AngleAfter(angle, arc.from);
  if (d > sweep) d = kFullTurn - d < d - sweep ? 0.0 : sweep;
  const double s = d * arc.radius, length = sweep * arc.radius;
  if (s < geometry::kDegenerateGeometryTolerance) return 0.0;
  return length - s < geometry::kDegenerateGeometryTolerance ? length : s;
}

// A box round an arc's centre, to find the arcs whose centres may be the same: two such boxes
// overlap wherever the centres lie within kSameCentre of the larger radius (each box alone
// reaches twice that of its own radius); whether they are the same is then decided exactly.
geometry::Box CentreBox(const Curve& arc) {
  const double reach = geometry::kSameCentre * arc.radius * 2.0;
  return {arc.centre.x - reach, arc.centre.y - reach, arc.centre.x + reach, arc.centre.y + reach};
}

class SectorFinder {
 public:
  explicit SectorFinder(const geometry::OutlineLocator& index)
      : outline_(index.Curves()), index_(index) {
    for (std::size_t k = 0; k < outline_.size(); ++k) {
      if (outline_[k].arc) centres_.Add(CentreBox(outline_[k]));
    }
    centres_.Index();
    for (std::size_t k = 0; k < outline_.size(); ++k) {
      if (outline_[k].arc) arcs_.push_back(k);
    }
  }

  RingSectorsTaken Take() {
    std::vector<bool> paired(outline_.size(), false);
    RingSectorsTaken taken;
    for (std::size_t a = 0; a < outline_.size(); ++a) {
      if (outline_[a].arc) {
        // The arcs whose centres lie as near as a shared centre may, in outline order.
        std::vector<std::size_t> near;
        for (const std::uint32_t i : centres_.Near(CentreBox(outline_[a])))
          near.push_back(arcs_[i]);
        std::sort(near.begin(), near.end());
        for (const std::size_t b : near) {
          if (b > a && !paired[a] && !paired[b] && Pair(a, b, taken)) paired[a] = paired[b] = true;
        }
      }
      if (!paired[a]) taken.left.push_back({outline_[a], a});
    }
    return taken;
  }

 private:
  // Takes the sector between arcs a and b, if they bound one.
  bool Pair(std::size_t a, std::size_t b, RingSectorsTaken& taken) {
    const Curve& x = outline_[a];
    const Curve& y = outline_[b];
    if (!x.arc || !y.arc || (x.sweep > 0.0) == (y.sweep > 0.0)) return false;
    const double large = std::max(x.radius, y.radius);
    if (geometry::PointDistance(x.centre, y.centre) > geometry::kSameCentre * large) return false;
    if (!(std::fabs(x.radius - y.radius) > geometry::kDegenerateGeometryTolerance)) return false;
    if (FullTurn(x) != FullTurn(y)) return false;
    const std::optional<Span> common =
        FullTurn(x) ? Span{0.0, kFullTurn}
                    : Common(CounterclockwiseSpan(x), CounterclockwiseSpan(y));
    if (!common || !(common->sweep * large > geometry::kDegenerateGeometryTolerance)) return false;
    const double inner = std::min(x.radius, y.radius);
    const double middle = common->start + common->sweep / 2.0;
    if (index_.WindingAt(PolarPoint(x.centre, (inner + large) / 2.0, middle)) == 0 ||
        Entered(a, b, x.centre, inner, large, *common)) {
      return false;
    }
    if (FullTurn(x)) {
      taken.sectors.push_back({Curve::Circle(x.centre, large), inner});
      return true;
    }
    // Each arc less the common angles; the parts next to the sector keep their ends.
    PointD sideStart[2], sideEnd[2];  // where each arc's common part starts and ends
    for (int i = 0; i < 2; ++i) {
      const std::size_t k = i == 0 ? a : b;
      const Curve& arc = outline_[k];
      double s0 = DistanceAt(arc, arc.sweep > 0.0 ? common->start : common->start + common->sweep);
      double s1 = DistanceAt(arc, arc.sweep > 0.0 ? common->start + common->sweep : common->start);
      if (s1 < s0) std::swap(s0, s1);
      const Curve part = arc.Part(s0, s1);
      sideStart[i] = part.start;
      sideEnd[i] = part.end;
      if (s0 > 0.0) taken.left.push_back({arc.Part(0.0, s0), k});
      if (s1 < arc.Length()) taken.left.push_back({arc.Part(s1, arc.Length()), k});
    }
    // Run opposite ways, the one arc's common part ends where the other's starts.
    taken.sides.push_back({sideStart[0], sideEnd[1]});
    taken.sides.push_back({sideStart[1], sideEnd[0]});
    taken.sectors.push_back({Curve::Arc(x.centre, large, common->start, common->sweep), inner});
    return true;
  }

  // Whether a curve of the outline other than arcs a and b comes into the sector.
  bool Entered(std::size_t a, std::size_t b, PointD centre, double inner, double outer,
               Span span) const {
    const double dr = (outer - inner) * geometry::kSectorShrink,
                 da = span.sweep * geometry::kSectorShrink;
    const double r0 = inner + dr, r1 = outer - dr;
    const double t0 = span.start + da, sweep = span.sweep - 2.0 * da;
    const Curve sides[4] = {
        Curve::Arc(centre, r1, t0, sweep), Curve::Arc(centre, r0, t0, sweep),
        Curve::Segment(PolarPoint(centre, r0, t0), PolarPoint(centre, r1, t0)),
        Curve::Segment(PolarPoint(centre, r0, t0 + sweep), PolarPoint(centre, r1, t0 + sweep))};
    geometry::Box box = geometry::BoxOf(sides[0], 0.0);
    for (const Curve& side : sides) box = geometry::Union(box, geometry::BoxOf(side, 0.0));
    for (const std::uint32_t k : index_.CurvesNear(box)) {
      if (k == a || k == b) continue;
      const Curve& c = outline_[k];
      const double d = geometry::PointDistance(c.start, centre);
      if (d > r0 && d < r1 &&
          geometry::AngleAfter(
              t0, geometry::DirectionAngle(c.start.x - centre.x, c.start.y - centre.y)) < sweep) {
        return true;
      }
      for (const Curve& side : sides) {
        if (!geometry::MeetCurves(side, c, 0.0).empty()) return true;
      }
    }
    return false;
  }

  const std::vector<Curve>& outline_;
  const geometry::OutlineLocator& index_;
  geometry::BoxIndex centres_;     // a box round each arc's centre, in outline order
  std::vector<std::size_t> arcs_;  // the outline's numbers of those arcs
};

}  // namespace

RingSectorsTaken TakeRingSectors(const geometry::OutlineLocator& index) {
  return SectorFinder(index).Take();
}

}  // namespace tq58
