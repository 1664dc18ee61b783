// The page that the redraw benchmarks draw: ten rows in their own colours, line types and
// widths, rounded corners and both caps, as a full page of the settings dialog.
#pragma once

#include "presets/presets.h"

namespace tq58::bench {

inline TLineTable TenRowPage(CornerMode corners) {
  TLineTable page;
  for (int r = 0; r < kRowsPerPreset; ++r) {
    TLineRow& row = page.Lines[static_cast<std::size_t>(r)];
    row.DrawOn = true;
    row.Spacing = -225.0 + 50.0 * r;
    row.Radius = 20.0 + 10.0 * r;
    row.ColorIndex = 1 + r % 9;
    row.LineTypeIndex = r % 9;
    row.LineWidth = 25 * r;
  }
  page.Options = {corners, 300.0, false, CapStyle::Arc, CapStyle::Line};
  return page;
}

}  // namespace tq58::bench
