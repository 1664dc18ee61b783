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
#include "rows/row_spacings.h"

namespace tq58 {

// A band's rows as drawn, and its region.
struct BandLines {
  MultiLine lines;
  std::vector<std::optional<RowEnds>> rowEnds;
  BandRegion region;
};

class BandDrawer {
 public:
  // The preset's drawn rows, `rows` their spacings (at least one row); `scale` is the layer
  // group's, `tolerance` the join tolerance.
  BandDrawer(const TLineTable& table, double scale, RowSpacings rows, double tolerance);

  // The band along `path`: without a cap at an end that meets other bands; a free end closed by
  // its cap (or a segment drawn by none), a seam by a segment drawn by none, a junction end by a
  // segment that the outer rows draw where nothing covers it. No region where lo = hi.
  BandLines Draw(const BasePath& path, const BandEnd& start, const BandEnd& end) const;

  const TLineTable& Table() const { return table_; }
  double Scale() const { return scale_; }
  // The outer rows' signed spacings, lo <= hi (drawing units).
  double Lo() const { return rows_.Lo(); }
  double Hi() const { return rows_.Hi(); }
  // The larger outer spacing's distance from the centre line: how far the band reaches.
  double Reach() const { return std::max(std::fabs(Lo()), std::fabs(Hi())); }
  double Tolerance() const { return tolerance_; }
  const RowSpacings& Rows() const { return rows_; }
  // How many lines of a band are rows; the caps lines follow them.
  std::size_t DrawnRows() const { return rows_.spacing.size(); }
  // The line of the first outer row on the left (largest spacing) or on the right.
  std::size_t OuterLine(bool left) const { return left ? rows_.largest : rows_.smallest; }

 private:
  void DropInvertedRings(const BasePath& path, BandLines& out) const;
  BandRegion Region(const BasePath& path, BandLines& out, const BandEnd& start,
                    const BandEnd& end) const;

  const TLineTable& table_;
  double scale_;
  RowSpacings rows_;
  double tolerance_;
};

}  // namespace tq58
