// What one end of a network's band meets.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "geometry/geometry.h"

namespace tq58 {

// A junction end back to back with another band's end: all arms there leave to one side and
// these two bound it but turn back too far to run through as one band. The back is closed by one
// segment between the two ends' outer rows on that side, instead of their closing segments.
struct FoldBack {
  std::size_t band = 0;  // the other band, and which of its ends
  bool atEnd = false;
  bool left = false;   // the back lies left of this band's travel: its row of largest spacing
  bool draws = false;  // this end's row draws the segment: it comes first counterclockwise
  // Where the other end's back row ends, once drawn: the segment's far end, and the corner of
  // the triangle (with the junction point) that this band's region takes in.
  std::optional<geometry::PointD> to;
};

struct BandEnd {
  bool junction = false;  // it meets other bands (or itself): no cap
  bool seam = false;      // where a band was split to go on in another band: nothing closes it
  // The bands that run through the junction where it ends (it is a stem on them), if any.
  std::vector<std::size_t> throughs;
  std::optional<FoldBack> back;
};

}  // namespace tq58
