// The multi-line with rounded corners as geometry: offset rows along a base path.
#pragma once

#include "path/base_path.h"
#include "presets/presets.h"
#include "rows/end_caps.h"
#include "rows/row_pieces.h"

namespace tq58 {

// For every drawn row of `table` (in row order) its offset line along `path`, its corners
// rounded by the preset's corner rule; then the end caps of an open path, if any. `scale` is
// the layer group's, for paper-size values. With `rowEnds`, where each drawn row starts and ends
// (none where it draws nothing), in row order.
MultiLine BuildMultiLine(const BasePath& path, const TLineTable& table, double scale,
                         std::vector<std::optional<RowEnds>>* rowEnds = nullptr);
// The same with the caps given instead of the preset's (a network band's end that meets other
// bands has none).
MultiLine BuildMultiLine(const BasePath& path, const TLineTable& table, double scale,
                         const EndCaps& caps, std::vector<std::optional<RowEnds>>* rowEnds);

}  // namespace tq58
