// The grid of a box index: squares about as wide as the boxes, a box filed under every square it
// covers unless it covers very many.
#include "geometry/box_index.h"

#include <algorithm>
#include <cmath>

namespace tq58::geometry {

bool Overlap(const Box& a, const Box& b) {
  return (a.minX <= b.maxX) & (b.minX <= a.maxX) & (a.minY <= b.maxY) & (b.minY <= a.maxY);
}

std::uint32_t BoxIndex::Add(const Box& box) {
  boxes_.push_back(box);
  return static_cast<std::uint32_t>(boxes_.size() - 1);
}

void BoxIndex::Index() {
  grid_.clear();
  everywhere_.clear();
  first_.assign(boxes_.size(), {0, 0});
  if (boxes_.empty()) return;
  Box all = boxes_.front();
  double area = 0.0;
  for (const Box& b : boxes_) {
    all = Union(all, b);
    area += (b.maxX - b.minX) * (b.maxY - b.minY);
  }
  originX_ = all.minX;
  originY_ = all.minY;
  // About one box's size per square, but never so many squares that a huge box floods the grid.
  const double extent = std::max(all.maxX - all.minX, all.maxY - all.minY);
  size_ = std::max({std::sqrt(area / static_cast<double>(boxes_.size())), extent / kSquaresAcross,
                    kSmallestSquare});
  for (std::uint32_t i = 0; i < boxes_.size(); ++i) {
    const Box& b = boxes_[i];
    const auto x0 = static_cast<std::int64_t>((b.minX - originX_) / size_);
    const auto x1 = static_cast<std::int64_t>((b.maxX - originX_) / size_);
    const auto y0 = static_cast<std::int64_t>((b.minY - originY_) / size_);
    const auto y1 = static_cast<std::int64_t>((b.maxY - originY_) / size_);
    if ((x1 - x0 + 1) * (y1 - y0 + 1) > kMostSquares) {
      everywhere_.push_back(i);
      continue;
    }
    first_[i] = {static_cast<std::int32_t>(x0), static_cast<std::int32_t>(y0)};
    for (std::int64_t ix = x0; ix <= x1; ++ix) {
      for (std::int64_t iy = y0; iy <= y1; ++iy) grid_[Key(ix, iy)].push_back(i);
    }
  }
}

std::vector<std::uint32_t> BoxIndex::Near(const Box& box) const {
  std::vector<std::uint32_t> found;
  for (const std::uint32_t i : everywhere_) {
    if (Overlap(boxes_[i], box)) found.push_back(i);
  }
  const auto clamp = [&](double v, double origin) {
    return static_cast<std::int64_t>(std::clamp((v - origin) / size_, -1.0, kSquaresAcross + 1.0));
  };
  const std::int64_t x0 = clamp(box.minX, originX_), x1 = clamp(box.maxX, originX_);
  const std::int64_t y0 = clamp(box.minY, originY_), y1 = clamp(box.maxY, originY_);
  for (std::int64_t ix = x0; ix <= x1; ++ix) {
    for (std::int64_t iy = y0; iy <= y1; ++iy) {
      const auto it = grid_.find(Key(ix, iy));
      if (it == grid_.end()) continue;
      // Written past the end and kept or not by the overlap test: without a branch to
      // mispredict, as most of a square's boxes miss a small box looked for.
      const std::vector<std::uint32_t>& filed = it->second;
      std::size_t count = found.size();
      found.resize(count + filed.size());
      for (const std::uint32_t i : filed) {
        // Taken in the first of the looked-at squares that it is filed under: found once.
        if (ix != std::max<std::int64_t>(first_[i].first, x0) ||
            iy != std::max<std::int64_t>(first_[i].second, y0)) {
          continue;
        }
        found[count] = i;
        count += static_cast<std::size_t>(Overlap(boxes_[i], box));
      }
      found.resize(count);
    }
  }
  return found;
}

}  // namespace tq58::geometry
