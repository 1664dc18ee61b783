// Where the chains of a network meet: chains split where they fold or cross themselves, a
// centre line drawn twice counted once, ends moved onto the centre lines that they stop short
// of or overshoot, the through pairs of each junction made bands, and for every band end
// whether it is free, meets other bands where none runs through, or ends on bands that do.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "network/band_end.h"
#include "network/band_lines.h"
#include "network/through_pairs.h"
#include "path/base_path.h"

namespace tq58 {

struct NetworkBand {
  BasePath path;
  std::size_t order = 0;  // the first of its chains in the given order
  BandEnd start, end;
};

// The bands of the network of `chains`, drawn by `drawer` (its outer rows at signed spacings
// lo <= hi, its tolerance the distance within which points join). A chain that crosses itself,
// or a band that comes back to a junction it has passed or ended at, is split into bands that
// meet at seams, without caps; the throughs of an end are in increasing order.
std::vector<NetworkBand> ArrangeJunctions(const std::vector<BasePath>& chains,
                                          const BandDrawer& drawer);

}  // namespace tq58
