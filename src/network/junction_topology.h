// Where the chains of a network meet: chains split where they fold or cross themselves, a
// centre line drawn twice counted once, ends moved onto the centre lines that they stop short
// of or overshoot, the through pairs of each junction made bands, and for every band end
// whether it is free, meets other bands where none runs through, or ends on bands that do.
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
// crosses itself, or a band that comes back to a junction it has passed or ended at, is split
// into bands that meet at seams, without caps; the throughs of an end are in increasing order.
std::vector<NetworkBand> ArrangeJunctions(const std::vector<BasePath>& chains, double lo, double hi,
                                          double tolerance);

// The through pairs among directions leaving one point, in order: pairs within
// kThroughPairAngle of opposite, taken closest first, each direction in one pair at most; a
// direction with two partners as close within kThroughPairTieRadians pairs with none.
std::vector<std::pair<std::size_t, std::size_t>> ThroughPairs(const std::vector<PointD>& arms);

}  // namespace tq58
