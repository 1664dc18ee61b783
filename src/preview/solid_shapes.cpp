// Solids turned into polygons: arcs traced in steps of a few degrees, flat results dropped.
#include "preview/solid_shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "geometry/tolerances.h"

namespace tq58::preview {

namespace {

constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;
constexpr double kFullTurn = 2.0 * std::numbers::pi;
// Two degrees: the chords of a circle that fills the 960-pixel preview stray less than a
// tenth of a pixel from it.
constexpr double kArcStepRad = 2.0 / kDegreesPerRadian;
// A quarter-turn sweep written in about 15 digits may come back some 1e-15 above a quarter
// turn; this lets it through and nothing visibly larger.
constexpr double kQuarterTurnSlack = 1e-9;

bool Finite(PointD p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// The point at `angleRad` on the arc's ellipse scaled to `radius`.
PointD At(const SolidArc& arc, double radius, double angleRad) {
  ArcShape ellipse{arc.centre, radius};
  ellipse.flatness = arc.flatness;
  ellipse.tiltDeg = arc.tiltRad * kDegreesPerRadian;
  return PointOnArc(ellipse, angleRad * kDegreesPerRadian);
}

// The arc on the ellipse scaled to `radius`, both ends included, from its start (or from
// its end when `backwards`), in steps of at most kArcStepRad.
void AppendArc(const SolidArc& arc, double radius, bool backwards, std::vector<PointD>& points) {
  const int steps = std::max(1, static_cast<int>(std::ceil(std::fabs(arc.sweepRad) / kArcStepRad)));
  for (int i = 0; i <= steps; ++i) {
    const int k = backwards ? steps - i : i;
    points.push_back(At(arc, radius, arc.startRad + arc.sweepRad * k / steps));
  }
}

// An arc whose numbers draw an ellipse, with a sweep of at most one turn either way (more
// would only go round again); none otherwise.
std::optional<SolidArc> Traceable(const SolidArc& arc) {
  const bool finite = Finite(arc.centre) && std::isfinite(arc.radius) &&
                      std::isfinite(arc.flatness) && std::isfinite(arc.tiltRad) &&
                      std::isfinite(arc.startRad) && std::isfinite(arc.sweepRad);
  if (!finite || !(arc.radius > 0.0) || arc.flatness == 0.0) return std::nullopt;
  SolidArc traced = arc;
  traced.sweepRad = std::clamp(arc.sweepRad, -kFullTurn, kFullTurn);
  return traced;
}

}  // namespace

std::optional<PolygonShape> CornerPolygon(std::vector<PointD> corners) {
  if (corners.empty() || !std::all_of(corners.begin(), corners.end(), Finite)) return std::nullopt;
  // The corner farthest from the first spans the polygon; the others all lie on the line
  // between those two when none strays from it by more than a rounding share of its length.
  const PointD first = corners.front();
  const auto Offset = [first](PointD p) { return PointD{p.x - first.x, p.y - first.y}; };
  PointD span{0.0, 0.0};
  for (PointD p : corners) {
    const PointD d = Offset(p);
    if (std::hypot(d.x, d.y) > std::hypot(span.x, span.y)) span = d;
  }
  double largestCross = 0.0;
  for (PointD p : corners) {
    const PointD d = Offset(p);
    largestCross = std::max(largestCross, std::fabs(span.x * d.y - span.y * d.x));
  }
  const double spanSquared = span.x * span.x + span.y * span.y;
  if (!(largestCross > geometry::kRelativeMeetingTolerance * spanSquared)) return std::nullopt;
  return PolygonShape{std::move(corners)};
}

std::optional<PolygonShape> SolidArcPolygon(const SolidArc& arc, int32_t code) {
  std::optional<SolidArc> traced = Traceable(arc);
  if (!traced) return std::nullopt;
  std::vector<PointD> points;
  switch (code) {
    case kSolidArcFullEllipse:
      traced->sweepRad = kFullTurn;
      AppendArc(*traced, traced->radius, false, points);
      break;
    case kSolidArcSegment:  // the polygon closes along the chord
      AppendArc(*traced, traced->radius, false, points);
      break;
    case kSolidArcSector:
      AppendArc(*traced, traced->radius, false, points);
      points.push_back(traced->centre);
      break;
    case kSolidArcTangentCorner: {
      const double half = traced->sweepRad / 2.0;
      if (std::fabs(half) > std::numbers::pi / 4.0 + kQuarterTurnSlack) return std::nullopt;
      AppendArc(*traced, traced->radius, false, points);
      // On the circle the end tangents meet on the bisector at radius / cos(half); the
      // ellipse is that circle stretched, which keeps tangents and where they meet.
      points.push_back(At(*traced, traced->radius / std::cos(half), traced->startRad + half));
      break;
    }
    default:
      return std::nullopt;
  }
  return CornerPolygon(std::move(points));
}

std::optional<PolygonShape> RingSectorPolygon(const SolidArc& arc, double innerRadius) {
  const std::optional<SolidArc> traced = Traceable(arc);
  if (!traced || !(innerRadius >= 0.0 && innerRadius < traced->radius)) return std::nullopt;
  std::vector<PointD> points;
  AppendArc(*traced, traced->radius, false, points);
  AppendArc(*traced, innerRadius, true, points);
  return CornerPolygon(std::move(points));
}

}  // namespace tq58::preview
