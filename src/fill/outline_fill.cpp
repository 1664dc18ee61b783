// An outline's area: its arcs stood in for by straight edges and solids of their own, the
// straight polygon then filled by slabs.
#include "fill/outline_fill.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "fill/ring_sectors.h"
#include "fill/slab_fill.h"
#include "geometry/curve_meeting.h"
#include "geometry/geometry.h"
#include "geometry/outline_locator.h"
#include "geometry/tolerances.h"
#include "geometry/vector2.h"
#include "util/portable_math.h"

namespace tq58 {

namespace {

using geometry::Curve;
using geometry::PolarPoint;

constexpr double kQuarterTurn = std::numbers::pi / 2.0;

// The most parts an arc is cut into: a sweep of 2π in parts of 0.35°.
constexpr int kMostParts = 1024;

// The arc in parts of at most a quarter turn, each running as the arc does, so few that the
// point where a part's end tangents meet lies no further than `deviation` from the part (and
// its chord no further than that, too); the ends of the first and last stay exactly the arc's.
std::vector<Curve> ArcParts(const Curve& arc, double deviation) {
  const double sweep = std::fabs(arc.sweep);
  int count = 1;
  while (count < kMostParts &&
         (sweep / count > kQuarterTurn ||
          arc.radius / util::PortableCos(sweep / (2.0 * count)) - arc.radius > deviation)) {
    ++count;
  }
  std::vector<Curve> parts;
  for (int i = 0; i < count; ++i) {
    Curve part =
        Curve::Arc(arc.centre, arc.radius, arc.from + arc.sweep * i / count, arc.sweep / count);
    if (i == 0) part.start = arc.start;
    if (i + 1 == count) part.end = arc.end;
    parts.push_back(part);
  }
  return parts;
}

// Where the tangents at the part's ends meet.
PointD TangentCorner(const Curve& part) {
  const double half = std::fabs(part.sweep) / 2.0;
  return PolarPoint(part.centre, part.radius / util::PortableCos(half),
                    part.from + part.sweep / 2.0);
}

// How many times a part is halved at most where other curves of the outline pass by it: a
// quarter turn down to some 0.005°.
constexpr int kMostHalvings = 14;

Curve Half(const Curve& part, bool second) {
  Curve half = Curve::Arc(part.centre, part.radius, part.from + (second ? part.sweep / 2.0 : 0.0),
                          part.sweep / 2.0);
  (second ? half.end : half.start) = second ? part.end : part.start;
  return half;
}

class OutlineFiller {
 public:
  // Filling asks only winding numbers and the curves near a box: no tolerance for the outline.
  explicit OutlineFiller(const std::vector<Curve>& outline)
      : outline_(outline), index_(outline, 0.0) {}

  Solids Fill(double deviation, double narrowest) {
    RingSectorsTaken taken = TakeRingSectors(index_);
    edges_ = std::move(taken.sides);
    solids_.assign(taken.sectors.begin(), taken.sectors.end());
    for (const CurveLeft& left : taken.left) {
      const Curve& curve = left.curve;
      if (!curve.arc || !(curve.radius > geometry::kDegenerateGeometryTolerance)) {
        edges_.push_back({curve.start, curve.end});
        continue;
      }
      for (const Curve& part : ArcParts(curve, deviation)) Place(left.origin, part, 0);
    }
    const std::vector<SolidPolygon> polygons = FillLoops(edges_, narrowest);
    solids_.insert(solids_.begin(), polygons.begin(), polygons.end());
    return std::move(solids_);
  }

 private:
  // The part's straight stand-in and its solid. The area between the two is exact where no
  // other curve passes through it: the winding number is then the same all over it. A part
  // that another curve passes by is halved until that holds or it is too small to matter.
  void Place(std::size_t arc, const Curve& part, int halvings) {
    const PointD corner = TangentCorner(part);
    if (halvings < kMostHalvings && Passed(arc, part.start, corner, part.end)) {
      Place(arc, Half(part, false), halvings + 1);
      Place(arc, Half(part, true), halvings + 1);
      return;
    }
    const double probe = geometry::kSideProbe * part.radius;
    const double middle = part.from + part.sweep / 2.0;
    const PointD inward = PolarPoint(part.centre, part.radius - probe, middle);
    const PointD outward = PolarPoint(part.centre, part.radius + probe, middle);
    const bool centreSide = index_.WindingAt(inward) != 0;
    if (centreSide || index_.WindingAt(outward) == 0) {
      // Inside on the centre's side (or on neither, where the chord adds nothing).
      edges_.push_back({part.start, part.end});
      if (centreSide) solids_.push_back(SolidArc{part, ArcArea::Segment});
    } else {
      edges_.push_back({part.start, corner});
      edges_.push_back({corner, part.end});
      solids_.push_back(SolidArc{part, ArcArea::TangentCorner});
    }
  }

  // Whether a curve of the outline other than the arc comes into the triangle a, b, c.
  bool Passed(std::size_t arc, PointD a, PointD b, PointD c) const {
    const PointD m{(a.x + b.x + c.x) / 3.0, (a.y + b.y + c.y) / 3.0};
    const auto in = [&](PointD p) {
      return PointD{p.x + (m.x - p.x) * geometry::kTriangleShrink,
                    p.y + (m.y - p.y) * geometry::kTriangleShrink};
    };
    const PointD corners[3] = {in(a), in(b), in(c)};
    const Curve sides[3] = {Curve::Segment(corners[0], corners[1]),
                            Curve::Segment(corners[1], corners[2]),
                            Curve::Segment(corners[2], corners[0])};
    const geometry::Box box =
        geometry::Union(geometry::BoxOf(sides[0], 0.0), geometry::BoxOf(sides[1], 0.0));
    for (const std::uint32_t k : index_.CurvesNear(box)) {
      if (k == arc) continue;
      const Curve& other = outline_[k];
      if (Inside(corners, other.start)) return true;
      for (const Curve& side : sides) {
        if (!geometry::MeetCurves(side, other, 0.0).empty()) return true;
      }
    }
    return false;
  }

  static bool Inside(const PointD (&t)[3], PointD p) {
    const auto turn = [](PointD o, PointD a, PointD b) {
      return geometry::Cross(geometry::Minus(a, o), geometry::Minus(b, o));
    };
    const double s = turn(t[0], t[1], t[2]);
    return turn(t[0], t[1], p) * s > 0.0 && turn(t[1], t[2], p) * s > 0.0 &&
           turn(t[2], t[0], p) * s > 0.0;
  }

  const std::vector<Curve>& outline_;
  geometry::OutlineLocator index_;
  std::vector<FillEdge> edges_;
  Solids solids_;
};

}  // namespace

Solids FillOutline(const std::vector<Curve>& outline, double deviation, double narrowest) {
  return OutlineFiller(outline).Fill(deviation, narrowest);
}

}  // namespace tq58
