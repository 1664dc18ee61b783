// A filled area as the host's solids: triangles and convex quadrilaterals, ring sectors, and
// the three areas a circular arc bounds.
#pragma once

#include <array>
#include <variant>
#include <vector>

#include "geometry/curve.h"
#include "geometry/geometry.h"

namespace tq58 {

using geometry::Curve;
using geometry::PointD;

// A triangle or a convex quadrilateral, its first `count` corners counterclockwise.
struct SolidPolygon {
  std::array<PointD, 4> corners{};
  int count = 3;
};

// The ring between two circles about one centre: along the outer arc, in to radius `inner`.
struct SolidRingSector {
  Curve outer;
  double inner = 0.0;
};

// Which area an arc bounds; the numbers are the host's codes.
enum class ArcArea : int {
  Sector = 0,          // between the arc and its centre
  Segment = 5,         // between the arc and its chord
  TangentCorner = -1,  // between the arc and the point where its end tangents meet
};

// The area of `kind` along the arc.
struct SolidArc {
  Curve arc;
  ArcArea kind = ArcArea::Segment;
};

using Solid = std::variant<SolidPolygon, SolidRingSector, SolidArc>;
using Solids = std::vector<Solid>;

}  // namespace tq58
