// Points filed by the square cell they lie in, so that close pairs are found among neighbouring
// cells through a hash, never by comparing every two.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

#include "geometry/geometry.h"

namespace tq58::geometry {

class PointGrid {
 public:
  // Files `points` in cells `size` wide (drawing units, above 0).
  PointGrid(const std::vector<PointD>& points, double size);

  // Calls visit(i, j), i < j, once for every two points in the same or in neighbouring cells:
  // among them every two within `size` of each other.
  template <typename Visit>
  void ForEachNearbyPair(Visit visit) const {
    for (std::size_t c = 0; c < cells_.size(); ++c) {
      const std::vector<std::size_t>& own = cells_[c].members;
      for (std::size_t m = 0; m < own.size(); ++m) {
        for (std::size_t n = m + 1; n < own.size(); ++n) visit(own[m], own[n]);
      }
      ForEachNeighbour(c, [&](std::size_t other) {
        for (const std::size_t i : own) {
          for (const std::size_t j : cells_[other].members) visit(std::min(i, j), std::max(i, j));
        }
      });
    }
  }

  std::size_t CellCount() const { return cells_.size(); }
  // The points of a cell, ascending.
  const std::vector<std::size_t>& Members(std::size_t cell) const { return cells_[cell].members; }

  // Calls visit(other) for the filled cells among four of the eight neighbours of `cell`, so
  // that each two neighbouring cells are looked at once.
  template <typename Visit>
  void ForEachNeighbour(std::size_t cell, Visit visit) const {
    for (const auto& [dx, dy] : {std::pair{1, -1}, {1, 0}, {1, 1}, {0, 1}}) {
      const auto other = index_.find({cells_[cell].x + dx, cells_[cell].y + dy});
      if (other != index_.end()) visit(other->second);
    }
  }

 private:
  struct Key {
    std::int64_t x = 0, y = 0;
    bool operator==(const Key&) const = default;
  };
  // Unsigned arithmetic: a far cell's key wraps, it never overflows.
  struct KeyHash {
    std::size_t operator()(const Key& k) const {
      return static_cast<std::size_t>(static_cast<std::uint64_t>(k.x) * 0x9E3779B97F4A7C15u ^
                                      static_cast<std::uint64_t>(k.y));
    }
  };
  struct Cell {
    std::int64_t x = 0, y = 0;
    std::vector<std::size_t> members;  // ascending
  };

  std::vector<Cell> cells_;
  std::unordered_map<Key, std::size_t, KeyHash> index_;  // into cells_
};

// For each of `points`, the smallest index among the points joined to it through steps of at
// most `distance` (each step between points in the same or neighbouring cells), found without
// weighing every two points of a crowded cell.
std::vector<std::size_t> GroupsWithin(const std::vector<PointD>& points, double distance);

}  // namespace tq58::geometry
