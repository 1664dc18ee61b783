// The junctions of a network's chains: the points where open ends meet, each with the chains
// that pass through it, the directions (arms) leaving it, and which arms run through together.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

#include "network/chain_parts.h"
#include "path/base_path.h"

namespace tq58 {

// A chain running through a junction point: at a vertex (along 0) or inside a segment.
struct Passage {
  std::size_t chain = 0;
  Place place;
  bool split = false;
};

// One direction leaving a junction point: along a chain from its end, or either way along a
// chain that passes.
struct Arm {
  PointD direction;
  std::size_t chain = 0;
  bool atEnd = false;    // an end arm: which end
  int passage = -1;      // a passage arm: which passage
  bool forward = false;  // a passage arm: in the direction of travel
};

struct Junction {
  PointD at;
  std::vector<Arm> arms;
  std::vector<Passage> passages;
  std::vector<std::pair<std::size_t, std::size_t>> pairs;  // of arms, each a through band
  // The arms that bound the open side counterclockwise, where they end back to back.
  std::optional<std::pair<std::size_t, std::size_t>> foldBack;
};

// The open ends (but seams) grouped where they meet within `tolerance`, each group with the
// chains that pass through it and its through pairs.
std::vector<Junction> FindJunctions(const std::vector<BasePath>& chains,
                                    const std::vector<std::array<bool, 2>>& seams,
                                    double tolerance);

}  // namespace tq58
