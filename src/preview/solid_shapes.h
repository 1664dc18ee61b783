// The host's solids as the polygons a preview fills: triangles and quadrilaterals as given,
// the areas of "sc" and the ring sectors of "so" traced along their arcs in short steps.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "preview/scene.h"

namespace tq58::preview {

// The arc of an "sc" or "so" solid: an ellipse with the half axes `radius` and
// `radius * flatness`, the first turned by `tiltRad`, and on it the arc from `startRad`
// through `sweepRad` (radians; counterclockwise when positive, clockwise when negative).
struct SolidArc {
  PointD centre;
  double radius = 0.0;
  double flatness = 1.0;
  double tiltRad = 0.0;
  double startRad = 0.0;
  double sweepRad = 0.0;
};

// The area codes of an "sc" solid.
inline constexpr int32_t kSolidArcSegment = 5;         // between the arc and its chord
inline constexpr int32_t kSolidArcSector = 0;          // between the arc and the centre
inline constexpr int32_t kSolidArcTangentCorner = -1;  // between the arc and its end tangents
inline constexpr int32_t kSolidArcFullEllipse = 100;   // the whole ellipse, sweep unused

// The corners as one polygon; none when they are not finite or lie on one line.
std::optional<PolygonShape> CornerPolygon(std::vector<PointD> corners);

// The area that `code` names: none for another code, a radius or flatness that draws no
// ellipse, a tangent corner beyond a quarter turn (where its tangents meet far off or never),
// or an area that comes to a line.
std::optional<PolygonShape> SolidArcPolygon(const SolidArc& arc, int32_t code);

// The part of the arc's sector that lies outside the same ellipse scaled to `innerRadius`;
// none unless 0 <= innerRadius < arc.radius.
std::optional<PolygonShape> RingSectorPolygon(const SolidArc& arc, double innerRadius);

}  // namespace tq58::preview
