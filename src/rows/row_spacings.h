// A preset's drawn rows as a band sees them, worked out once per preset: each drawn row's
// spacing in drawing units and which of them are outer rows.
#pragma once

#include <cstddef>
#include <vector>

#include "presets/presets.h"

namespace tq58 {

struct RowSpacings {
  std::vector<double> spacing;  // per drawn row, in row order (drawing units)
  std::vector<bool> outer;      // at the smallest or the largest spacing
  // The first drawn row at the smallest and at the largest spacing: the rows a band's region
  // follows and its caps join.
  std::size_t smallest = 0, largest = 0;

  bool Empty() const { return spacing.empty(); }
  double Lo() const { return spacing[smallest]; }
  double Hi() const { return spacing[largest]; }
};

// The drawn rows of `table` at `scale` (the layer group's, for paper-size values).
RowSpacings SpacingsOf(const TLineTable& table, double scale);

}  // namespace tq58
