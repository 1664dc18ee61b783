// The preset that the construction benchmarks draw: ten rows at different spacings and radii,
// each in its own colour.
#pragma once

#include "presets/presets.h"

namespace tq58_bench {

inline tq58::PresetStore TenRows() {
  tq58::PresetStore store;
  for (int r = 0; r < tq58::kRowsPerPreset; ++r) {
    tq58::TLineRow& row = store.Preset(1).Lines[static_cast<std::size_t>(r)];
    row.DrawOn = true;
    row.Spacing = -225.0 + 50.0 * r;
    row.Radius = 20.0 + 10.0 * r;
    row.ColorIndex = 1 + r % 9;
  }
  return store;
}

}  // namespace tq58_bench
