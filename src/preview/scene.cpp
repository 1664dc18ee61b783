// Shapes of a preview: adding them, points on arcs, and the box around them all.
#include "preview/scene.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tq58::preview {

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;
constexpr int kArcBoundsSteps = 32;  // points per arc when measuring its extent

bool Finite(PointD p) { return std::isfinite(p.x) && std::isfinite(p.y); }

struct FiniteCheck {
  bool operator()(const SegmentShape& s) const { return Finite(s.from) && Finite(s.to); }
  bool operator()(const CircleShape& c) const {
    return Finite(c.centre) && std::isfinite(c.radius);
  }
  bool operator()(const ArcShape& a) const {
    return Finite(a.centre) && std::isfinite(a.radius) && std::isfinite(a.startDeg) &&
           std::isfinite(a.endDeg) && std::isfinite(a.flatness) && std::isfinite(a.tiltDeg);
  }
  bool operator()(const PolygonShape& p) const {
    return std::all_of(p.corners.begin(), p.corners.end(), Finite);
  }
  bool operator()(const TextShape& t) const {
    return Finite(t.at) && std::isfinite(t.height) && std::isfinite(t.angleDeg);
  }
  bool operator()(const DotShape& d) const { return Finite(d.at); }
};

struct BoundsAdder {
  Bounds& bounds;
  void operator()(const SegmentShape& s) const {
    bounds.Add(s.from);
    bounds.Add(s.to);
  }
  void operator()(const CircleShape& c) const {
    bounds.Add({c.centre.x - c.radius, c.centre.y - c.radius});
    bounds.Add({c.centre.x + c.radius, c.centre.y + c.radius});
  }
  void operator()(const ArcShape& a) const {
    const double sweep = ArcSweepDeg(a);
    for (int i = 0; i <= kArcBoundsSteps; ++i) {
      bounds.Add(PointOnArc(a, a.startDeg + sweep * i / kArcBoundsSteps));
    }
  }
  void operator()(const PolygonShape& p) const {
    for (PointD corner : p.corners) bounds.Add(corner);
  }
  void operator()(const TextShape& t) const { bounds.Add(t.at); }
  void operator()(const DotShape& d) const { bounds.Add(d.at); }
};

}  // namespace

void Scene::Add(Layer layer, Shape shape, Stroke stroke) {
  if (!std::visit(FiniteCheck{}, shape)) return;
  std::vector<StyledShape>& list = layer == Layer::Host        ? host
                                   : layer == Layer::Indicated ? indicated
                                                               : commands;
  list.push_back({std::move(shape), std::move(stroke)});
}

const std::vector<StyledShape>& Scene::In(Layer layer) const {
  return layer == Layer::Host ? host : layer == Layer::Indicated ? indicated : commands;
}

PointD PointOnArc(const ArcShape& arc, double angleDeg) {
  const double t = angleDeg * kDegree;
  const double tilt = arc.tiltDeg * kDegree;
  const double u = arc.radius * std::cos(t);
  const double v = arc.radius * arc.flatness * std::sin(t);
  return {arc.centre.x + u * std::cos(tilt) - v * std::sin(tilt),
          arc.centre.y + u * std::sin(tilt) + v * std::cos(tilt)};
}

double ArcSweepDeg(const ArcShape& arc) {
  const double sweep = std::fmod(arc.endDeg - arc.startDeg, 360.0);
  return sweep <= 0.0 ? sweep + 360.0 : sweep;
}

void Bounds::Add(PointD p) {
  if (empty) {
    min = max = p;
    empty = false;
    return;
  }
  min = {std::min(min.x, p.x), std::min(min.y, p.y)};
  max = {std::max(max.x, p.x), std::max(max.y, p.y)};
}

Bounds SceneBounds(const Scene& scene) {
  Bounds bounds;
  for (Layer layer : {Layer::Host, Layer::Indicated, Layer::Commands}) {
    for (const StyledShape& styled : scene.In(layer)) {
      std::visit(BoundsAdder{bounds}, styled.shape);
    }
  }
  return bounds;
}

}  // namespace tq58::preview
