// Ring sectors in an outline: where two arcs about one centre, run opposite ways, bound a
// sector of a ring that no other curve of the outline enters and that the outline winds round,
// as along a band's curve or round its concentric corners.
#pragma once

#include <cstddef>
#include <vector>

#include "fill/slab_fill.h"
#include "fill/solids.h"
#include "geometry/curve.h"
#include "geometry/outline_locator.h"

namespace tq58 {

// A curve of the outline left to fill otherwise, and the outline's curve it is part of.
struct CurveLeft {
  geometry::Curve curve;
  std::size_t origin = 0;
};

struct RingSectorsTaken {
  std::vector<CurveLeft> left;  // the outline less the sectors' arcs
  std::vector<FillEdge> sides;  // the sectors' straight sides, so that the edges stay loops
  std::vector<SolidRingSector> sectors;
};

// Takes the ring sectors out of the indexed outline (one or more closed loops). The curves
// left, with the sides, enclose what the outline does but the sectors.
RingSectorsTaken TakeRingSectors(const geometry::OutlineLocator& index);

}  // namespace tq58
