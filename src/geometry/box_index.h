// Boxes filed by the squares of a grid they cover, so that the boxes near a place are found
// without looking at every one.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

#include "geometry/curve.h"

namespace tq58::geometry {

// Whether two boxes share a point.
bool Overlap(const Box& a, const Box& b);

class BoxIndex {
 public:
  // Files a box, returning its number (in the order of filing).
  std::uint32_t Add(const Box& box);

  // Builds the grid; to be called once after the last box.
  void Index();

  // The boxes that meet `box`, each once, in no particular order.
  std::vector<std::uint32_t> Near(const Box& box) const;

  const Box& BoxAt(std::uint32_t i) const { return boxes_[i]; }
  std::size_t Size() const { return boxes_.size(); }

 private:
  static std::uint64_t Key(std::int64_t ix, std::int64_t iy) {
    return static_cast<std::uint64_t>(ix) * 2654435761u + static_cast<std::uint64_t>(iy);
  }

  std::vector<Box> boxes_;
  double size_ = 1.0;
  double originX_ = 0.0, originY_ = 0.0;
  // The grid's squares are at least 1 / kSquaresAcross of the boxes' whole extent wide, so a
  // box lies in squares 0 to kSquaresAcross; a box looked for is clamped to the squares just
  // outside those, -1 and kSquaresAcross + 1, since nothing lies further out.
  static constexpr double kSquaresAcross = 1024.0;
  // Nor narrower than this (drawing units), so that boxes of next to no extent still make
  // squares of some size.
  static constexpr double kSmallestSquare = 1e-9;
  // A box over more squares than this is looked at for every box looked for instead.
  static constexpr std::int64_t kMostSquares = 4096;
  // Per box, the first square it is filed under, so that a box over several squares is found
  // once.
  std::vector<std::pair<std::int32_t, std::int32_t>> first_;
  std::unordered_map<std::uint64_t, std::vector<std::uint32_t>> grid_;
  std::vector<std::uint32_t> everywhere_;
};

}  // namespace tq58::geometry
