// What one end of a network's band meets.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "region/band_region.h"

namespace tq58 {

// A junction end back to back with another band's end: all arms there leave to one side and
// these two bound it but turn back too far to run through as one band.
struct FoldBack {
  std::size_t band = 0;  // the other band, and which of its ends
  bool atEnd = false;
  bool draws = false;  // this end's row draws the segment: it comes first counterclockwise
  BackClosing closing;
};

struct BandEnd {
  bool junction = false;  // it meets other bands (or itself): no cap
  bool seam = false;      // where a band was split to go on in another band: nothing closes it
  // The bands that run through the junction where it ends (it is a stem on them), if any.
  std::vector<std::size_t> throughs;
  std::optional<FoldBack> back;
};

}  // namespace tq58
