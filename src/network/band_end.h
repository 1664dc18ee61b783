// What one end of a network's band meets.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "region/band_region.h"

namespace tq58 {

struct BandEnd {
  bool junction = false;  // it meets other bands (or itself): no cap
  bool seam = false;      // where a band was split to go on in another band: nothing closes it
  // The bands that run through the junction where it ends (it is a stem on them), if any.
  std::vector<std::size_t> throughs;
  std::optional<FoldBack> back;
};

}  // namespace tq58
