// The grid of a box index: squares about as wide as the boxes' larger sides, never many more
// squares than boxes, and per square the boxes over it in one array (the squares' runs in turn),
// so that filing them takes no allocation per square. A box over very many squares is looked at
// for every box looked for instead.
#include "geometry/box_index.h"

#include <algorithm>
#include <cmath>

#include "geometry/tolerances.h"

namespace tq58::geometry {

bool Overlap(const Box& a, const Box& b) {
  return (a.minX <= b.maxX) & (b.minX <= a.maxX) & (a.minY <= b.maxY) & (b.minY <= a.maxY);
}

std::uint32_t BoxIndex::Add(const Box& box) {
  boxes_.push_back(box);
  return static_cast<std::uint32_t>(boxes_.size() - 1);
}

std::int64_t BoxIndex::Square(double v, double origin, std::int64_t count) const {
  const double s = std::floor((v - origin) / size_);
  if (!(s > 0.0)) return 0;
  return std::min(static_cast<std::int64_t>(std::min(s, 1e18)), count - 1);
}

void BoxIndex::Index() {
  filed_.clear();
  runs_.clear();
  everywhere_.clear();
  first_.assign(boxes_.size(), {0, 0});
  if (boxes_.empty()) return;
  Box all = boxes_.front();
  double sides = 0.0;
  for (const Box& b : boxes_) {
    all = Union(all, b);
    sides += std::max(b.maxX - b.minX, b.maxY - b.minY);
  }
  originX_ = all.minX;
  originY_ = all.minY;
  const auto n = static_cast<double>(boxes_.size());
  const double extent = std::max(all.maxX - all.minX, all.maxY - all.minY);
  size_ = std::max({sides / n, extent / kSquaresAcross, kSmallestIndexSquare});
  const auto across = [&](double length) {
    const double squares = std::floor(length / size_);
    return squares < 1e9 ? static_cast<std::int64_t>(squares) + 1 : std::int64_t{1000000000};
  };
  // Boxes few and far apart would make a grid of empty squares: the squares grow until there are
  // at most a few per box (an extent not finite makes one square).
  columns_ = rows_ = 1;
  for (int doubled = 0; std::isfinite(extent) && doubled < 2100; ++doubled, size_ *= 2.0) {
    columns_ = across(all.maxX - all.minX);
    rows_ = across(all.maxY - all.minY);
    if (static_cast<double>(columns_) * static_cast<double>(rows_) <= kSquaresPerBox * n + 16.0) {
      break;
    }
    columns_ = rows_ = 1;
  }
  grid_ = {originX_, originY_, originX_ + static_cast<double>(columns_) * size_,
           originY_ + static_cast<double>(rows_) * size_};
  std::vector<std::uint32_t> counts(static_cast<std::size_t>(columns_ * rows_) + 1, 0);
  std::vector<bool> spread(boxes_.size(), false);
  const auto each = [&](const auto& visit) {
    for (std::uint32_t i = 0; i < boxes_.size(); ++i) {
      if (spread[i]) continue;
      for (std::int64_t ix = first_[i].first; ix <= last_[i].first; ++ix) {
        for (std::int64_t iy = first_[i].second; iy <= last_[i].second; ++iy) {
          visit(static_cast<std::size_t>(ix * rows_ + iy), i);
        }
      }
    }
  };
  last_.assign(boxes_.size(), {0, 0});
  for (std::uint32_t i = 0; i < boxes_.size(); ++i) {
    const Box& b = boxes_[i];
    const std::int64_t x0 = Square(b.minX, originX_, columns_),
                       x1 = Square(b.maxX, originX_, columns_);
    const std::int64_t y0 = Square(b.minY, originY_, rows_), y1 = Square(b.maxY, originY_, rows_);
    first_[i] = {static_cast<std::int32_t>(x0), static_cast<std::int32_t>(y0)};
    last_[i] = {static_cast<std::int32_t>(x1), static_cast<std::int32_t>(y1)};
    if ((x1 - x0 + 1) * (y1 - y0 + 1) > kMostSquares) {
      spread[i] = true;
      everywhere_.push_back(i);
    }
  }
  each([&](std::size_t square, std::uint32_t) { ++counts[square + 1]; });
  for (std::size_t s = 1; s < counts.size(); ++s) counts[s] += counts[s - 1];
  runs_ = counts;
  filed_.resize(counts.back());
  each([&](std::size_t square, std::uint32_t i) { filed_[counts[square]++] = i; });
}

std::vector<std::uint32_t> BoxIndex::Near(const Box& box) const {
  std::vector<std::uint32_t> found;
  ForEachNear(box, [&](std::uint32_t i) { found.push_back(i); });
  return found;
}

}  // namespace tq58::geometry
