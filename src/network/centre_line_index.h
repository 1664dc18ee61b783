// The base pieces of a network's chains filed by their boxes, to find the pieces near a place.
#pragma once

#include <cstddef>
#include <vector>

#include "geometry/box_index.h"
#include "path/base_path.h"

namespace tq58 {

using geometry::Box;

Box BoxAround(PointD p, double r);

// One base piece: piece k of chain `chain`.
struct CentrePiece {
  std::size_t chain = 0;
  std::size_t k = 0;
};

class CentreLineIndex {
 public:
  // Files every piece of every chain (of at least two points), its box grown by `margin`.
  CentreLineIndex(const std::vector<BasePath>& chains, double margin);

  // The pieces whose grown boxes meet `box`, in no particular order.
  std::vector<CentrePiece> Near(const Box& box) const;

 private:
  std::vector<CentrePiece> pieces_;  // in the order of their boxes in the index
  geometry::BoxIndex index_;
};

}  // namespace tq58
