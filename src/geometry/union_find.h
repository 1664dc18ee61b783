// Sets of indices joined pair by pair (union-find), each set named by its smallest member.
#pragma once

#include <cstddef>
#include <numeric>
#include <utility>
#include <vector>

namespace tq58::geometry {

class UnionFind {
 public:
  explicit UnionFind(std::size_t n) : parent_(n) {
    std::iota(parent_.begin(), parent_.end(), std::size_t{0});
  }

  // The smallest member of i's set, whatever the order of joining.
  std::size_t Find(std::size_t i) {
    std::size_t root = i;
    while (parent_[root] != root) root = parent_[root];
    while (parent_[i] != root) i = std::exchange(parent_[i], root);
    return root;
  }

  void Join(std::size_t a, std::size_t b) {
    const std::size_t ra = Find(a), rb = Find(b);
    if (ra < rb) parent_[rb] = ra;
    if (rb < ra) parent_[ra] = rb;
  }

 private:
  std::vector<std::size_t> parent_;
};

}  // namespace tq58::geometry
