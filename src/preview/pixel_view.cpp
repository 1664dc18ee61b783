// Fitting a scene's box into an area of pixels, and arcs as chains of points.
#include "preview/pixel_view.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tq58::preview {

namespace {

constexpr double kChordErrorPx = 0.25;  // how far a chord may stray from its arc
// Points per arc: even a pixel-sized arc has its two ends and a middle; a huge one stays a
// few hundred points, past which a screen shows no difference.
constexpr int kFewestArcSteps = 2;
constexpr int kMostArcSteps = 512;

}  // namespace

PixelView FitInArea(const Bounds& bounds, const PixelArea& area, double margin) {
  const double width = std::max(area.width - 2.0 * margin, 1.0);
  const double height = std::max(area.height - 2.0 * margin, 1.0);
  PixelView view;
  PointD centre{0.0, 0.0};
  if (!bounds.empty) {
    const double spanX = bounds.max.x - bounds.min.x;
    const double spanY = bounds.max.y - bounds.min.y;
    const double scale =
        std::min(spanX > 0.0 ? width / spanX : INFINITY, spanY > 0.0 ? height / spanY : INFINITY);
    if (std::isfinite(scale)) view.pixelsPerUnit = scale;
    centre = {(bounds.min.x + bounds.max.x) / 2.0, (bounds.min.y + bounds.max.y) / 2.0};
  }
  view.originX = area.left + area.width / 2.0 - centre.x * view.pixelsPerUnit;
  view.originY = area.top + area.height / 2.0 + centre.y * view.pixelsPerUnit;
  return view;
}

std::vector<PointD> ArcPoints(const ArcShape& arc, double pixelsPerUnit) {
  const double sweep = ArcSweepDeg(arc);
  // A chord of angle a on radius r strays r (1 - cos(a/2)) from the arc.
  const double radiusPx =
      std::fabs(arc.radius) * std::max(1.0, std::fabs(arc.flatness)) * pixelsPerUnit;
  const double stepDeg =
      radiusPx > kChordErrorPx
          ? 2.0 * std::acos(1.0 - kChordErrorPx / radiusPx) * 180.0 / std::numbers::pi
          : sweep;
  // Clamped as a double: a tiny step would overflow an int.
  const int steps =
      static_cast<int>(std::clamp(std::ceil(sweep / stepDeg), static_cast<double>(kFewestArcSteps),
                                  static_cast<double>(kMostArcSteps)));
  std::vector<PointD> points;
  points.reserve(static_cast<std::size_t>(steps) + 1);
  for (int i = 0; i <= steps; ++i) {
    points.push_back(PointOnArc(arc, arc.startDeg + sweep * i / steps));
  }
  return points;
}

}  // namespace tq58::preview
