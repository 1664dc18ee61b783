// A band of a network drawn on its own: its rows as along a chain, no cap where it meets other
// bands, a ring turned inside out left out, and its region closed at each end as the end asks.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

#include "network/band_end.h"
#include "presets/presets.h"
#include "region/band_region.h"
#include "rows/row_pieces.h"

namespace tq58 {

// The drawn rows' spacings in drawing units, smallest and largest; none where no row is drawn.
std::optional<std::pair<double, double>> OuterSpacings(const TLineTable& table, double scale);

// A band's rows as drawn, and its region.
struct BandLines {
  MultiLine lines;
  std::vector<std::optional<RowEnds>> rowEnds;
  BandRegion region;
};

class BandDrawer {
 public:
  // The preset's rows at signed spacings lo <= hi (drawing units, the outer rows'); `scale` is
  // the layer group's, `tolerance` the join tolerance.
  BandDrawer(const TLineTable& table, double scale, double lo, double hi, double tolerance);

  // The band along `path`: without a cap at an end that meets other bands; a free end closed by
  // its cap (or a segment drawn by none), a seam by a segment drawn by none, a junction end by a
  // segment that the outer rows draw where nothing covers it. No region where lo = hi.
  BandLines Draw(const BasePath& path, const BandEnd& start, const BandEnd& end) const;

  const TLineTable& Table() const { return table_; }
  double Scale() const { return scale_; }
  double Lo() const { return lo_; }
  double Hi() const { return hi_; }
  // The larger outer spacing's distance from the centre line: how far the band reaches.
  double Reach() const { return std::max(std::fabs(lo_), std::fabs(hi_)); }
  double Tolerance() const { return tolerance_; }
  // How many lines of a band are rows; the caps lines follow them.
  std::size_t DrawnRows() const { return drawnRows_; }
  // The first drawn row at the spacing.
  std::size_t LineAt(const BandLines& out, double spacing) const;

 private:
  void DropInvertedRings(const BasePath& path, BandLines& out) const;
  BandRegion Region(const BasePath& path, BandLines& out, const BandEnd& start,
                    const BandEnd& end) const;

  const TLineTable& table_;
  double scale_, lo_, hi_, tolerance_;
  std::size_t drawnRows_;
};

}  // namespace tq58
