// What filling an outline asks of it again and again, indexed once: the winding number at a
// point, and the curves near a box.
#pragma once

#include <cstdint>
#include <vector>

#include "geometry/box_index.h"
#include "geometry/curve.h"
#include "geometry/winding_index.h"

namespace tq58 {

struct OutlineIndex {
  explicit OutlineIndex(const std::vector<geometry::Curve>& outline)
      : curves(outline), winding(outline) {
    for (const geometry::Curve& c : outline) boxes.Add(geometry::BoxOf(c, 0.0));
    boxes.Index();
  }

  // The numbers of the curves whose boxes meet `box`.
  std::vector<std::uint32_t> Near(const geometry::Box& box) const { return boxes.Near(box); }

  const std::vector<geometry::Curve>& curves;
  geometry::WindingIndex winding;
  geometry::BoxIndex boxes;
};

}  // namespace tq58
