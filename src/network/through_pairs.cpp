#include "network/through_pairs.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>
#include <numbers>
#include <queue>
#include <set>
#include <tuple>

#include "geometry/tolerances.h"
#include "network/open_side.h"

namespace tq58 {

namespace {

// The arms not yet paired, by the angle of their directions, to find those nearest the
// opposite of an arm without weighing every pair (a junction may have thousands of arms).
class FreeArms {
 public:
  explicit FreeArms(const std::vector<PointD>& arms) : arms_(arms) {
    for (std::size_t a = 0; a < arms.size(); ++a) {
      angles_.push_back(geometry::DirectionAngle(arms[a].x, arms[a].y));
      byAngle_.insert({angles_[a], a});
    }
  }

  void Remove(std::size_t a) { byAngle_.erase({angles_[a], a}); }

  // The free arms within kThroughPairAngle of opposite arm a, but a and `except`, closest
  // first: the nearest either side of its opposite, one of which is the closest of all.
  std::vector<std::pair<double, std::size_t>> NearOpposite(std::size_t a,
                                                           std::size_t except) const {
    std::vector<std::pair<double, std::size_t>> found;
    const auto take = [&](auto it, auto step) {
      for (std::size_t seen = 0; seen < byAngle_.size(); ++seen, step(it)) {
        const std::size_t b = it->second;
        if (b == a || b == except) continue;
        const double closeness = FromOpposite(arms_[a], arms_[b]);
        if (closeness <= geometry::kThroughPairAngle) found.push_back({closeness, b});
        return;
      }
    };
    if (byAngle_.empty()) return found;
    const double opposite = std::fmod(angles_[a] + std::numbers::pi, 2.0 * std::numbers::pi);
    const auto up = byAngle_.lower_bound({opposite, 0});
    take(up == byAngle_.end() ? byAngle_.begin() : up, [&](auto& it) {
      if (++it == byAngle_.end()) it = byAngle_.begin();
    });
    take(up == byAngle_.begin() ? std::prev(byAngle_.end()) : std::prev(up), [&](auto& it) {
      it = it == byAngle_.begin() ? std::prev(byAngle_.end()) : std::prev(it);
    });
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
  }

 private:
  const std::vector<PointD>& arms_;
  std::vector<double> angles_;
  std::set<std::pair<double, std::size_t>> byAngle_;
};

}  // namespace

std::vector<std::pair<std::size_t, std::size_t>> ThroughPairs(const std::vector<PointD>& arms) {
  // Closest to opposite first: each arm's nearest free partner waits in the queue, and is
  // looked for again where that partner was taken first.
  FreeArms free(arms);
  using Candidate = std::tuple<double, std::size_t, std::size_t>;
  std::priority_queue<Candidate, std::vector<Candidate>, std::greater<>> queue;
  std::vector<bool> done(arms.size(), false);
  const auto offer = [&](std::size_t a) {
    const auto near = free.NearOpposite(a, a);
    if (!near.empty()) queue.push({near[0].first, a, near[0].second});
  };
  for (std::size_t a = 0; a < arms.size(); ++a) offer(a);
  std::vector<std::pair<std::size_t, std::size_t>> pairs;
  while (!queue.empty()) {
    const auto [closeness, a, b] = queue.top();
    queue.pop();
    if (done[a] || done[b]) {
      for (const std::size_t x : {a, b}) {
        if (!done[x]) offer(x);
      }
      continue;
    }
    // An arm with another partner as close is a tie: it pairs with none.
    const double tieLimit = closeness + geometry::kThroughPairTieRadians;
    const auto tied = [&](std::size_t x, std::size_t y) {
      const auto near = free.NearOpposite(x, y);
      return !near.empty() && near[0].first <= tieLimit;
    };
    const bool tieA = tied(a, b), tieB = tied(b, a);
    for (const auto& [x, tie] : {std::pair{a, tieA}, std::pair{b, tieB}}) {
      if (tie || !(tieA || tieB)) {
        done[x] = true;
        free.Remove(x);
      } else {
        offer(x);
      }
    }
    if (!(tieA || tieB)) pairs.push_back({std::min(a, b), std::max(a, b)});
  }
  std::sort(pairs.begin(), pairs.end());
  return pairs;
}

}  // namespace tq58
