// Boxes filed by the squares of a grid they cover, so that the boxes near a place are found
// without looking at every one.
#pragma once

#include <algorithm>
#include <cstdint>
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
  // Calls f with the number of each box that meets `box`, once each.
  template <typename F>
  void ForEachNear(const Box& box, const F& f) const {
    for (const std::uint32_t i : everywhere_) {
      if (Overlap(boxes_[i], box)) f(i);
    }
    // Nothing lies outside the grid: a box looked for that misses it finds nothing there.
    if (runs_.empty() || !Overlap(box, grid_)) return;
    const std::int64_t x0 = Square(box.minX, originX_, columns_);
    const std::int64_t x1 = Square(box.maxX, originX_, columns_);
    const std::int64_t y0 = Square(box.minY, originY_, rows_);
    const std::int64_t y1 = Square(box.maxY, originY_, rows_);
    for (std::int64_t ix = x0; ix <= x1; ++ix) {
      for (std::int64_t iy = y0; iy <= y1; ++iy) {
        const auto square = static_cast<std::size_t>(ix * rows_ + iy);
        for (std::uint32_t k = runs_[square]; k < runs_[square + 1]; ++k) {
          const std::uint32_t i = filed_[k];
          // Taken in the first of the looked-at squares that it is filed under: found once.
          if (ix == std::max<std::int64_t>(first_[i].first, x0) &&
              iy == std::max<std::int64_t>(first_[i].second, y0) && Overlap(boxes_[i], box)) {
            f(i);
          }
        }
      }
    }
  }

  const Box& BoxAt(std::uint32_t i) const { return boxes_[i]; }
  std::size_t Size() const { return boxes_.size(); }

 private:
  // The square along one axis that v lies in, clamped to the grid's count of them.
  std::int64_t Square(double v, double origin, std::int64_t count) const;

  std::vector<Box> boxes_;
  double size_ = 1.0;
  double originX_ = 0.0, originY_ = 0.0;
  std::int64_t columns_ = 0, rows_ = 0;
  Box grid_;  // the squares' whole extent
  // The grid's squares are at least 1 / kSquaresAcross of the boxes' whole extent wide.
  static constexpr double kSquaresAcross = 1024.0;
  // The grid has at most this many squares per box (and a few more).
  static constexpr double kSquaresPerBox = 4.0;
  // A box over more squares than this is looked at for every box looked for instead.
  static constexpr std::int64_t kMostSquares = 4096;
  // Per box, the first and last square it is filed under, so that a box over several squares
  // is found once.
  std::vector<std::pair<std::int32_t, std::int32_t>> first_, last_;
  // Per square (column by column), where its run of filed_ starts.
  std::vector<std::uint32_t> runs_;
  std::vector<std::uint32_t> filed_;  // the boxes over each square, square after square
  std::vector<std::uint32_t> everywhere_;
};

}  // namespace tq58::geometry
