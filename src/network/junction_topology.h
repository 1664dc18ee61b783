// Where the chains of a network meet: ends moved onto the centre lines that they stop short of
// or overshoot, the through pair of each junction made one band, and for every band end
// whether it is free, meets other bands where none runs through, or ends on a band that does.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "path/base_path.h"

namespace tq58 {

struct BandEnd {
  bool junction = false;  // it meets other bands (or itself): no cap
  bool seam = false;      // where a band was split to go on in another band: nothing closes it
  // The bands that run through the junction where it ends (it is a stem on them), if any.
  std::vector<std::size_t> throughs;
};

struct NetworkBand {
  BasePath path;
  std::size_t order = 0;  // the first of its chains in the given order
  BandEnd start, end;
};

// The bands of the network of `chains` whose outer rows lie at signed spacings lo <= hi
// (drawing units); `tolerance` is the distance within which points join. A chain that
// crosses itself is split into bands of its own, which meet without caps.
std::vector<NetworkBand> ArrangeJunctions(const std::vector<BasePath>& chains, double lo, double hi,
                                          double tolerance);

// The through pairs among directions leaving one point, in order: pairs within
// kThroughPairAngle of opposite, taken closest first, each direction in one pair at most; a
// direction with two partners as close within kThroughPairTieRadians pairs with none.
std::vector<std::pair<std::size_t, std::size_t>> ThroughPairs(const std::vector<PointD>& arms);

}  // namespace tq58
