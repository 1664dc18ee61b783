// What a band fills: the region between its rows of smallest and largest spacing as they are
// drawn, closed at its ends by its caps or by the segments between those rows' ends.
#pragma once

#include <optional>
#include <vector>

#include "fill/solids.h"
#include "path/base_path.h"
#include "presets/presets.h"
#include "rows/row_pieces.h"

namespace tq58 {

// The solids of the band that BuildMultiLine drew along `path` as `lines` with `rowEnds`;
// nothing where the drawn rows have one spacing. `scale` is the layer group's.
Solids FillBand(const BasePath& path, const MultiLine& lines,
                const std::vector<std::optional<RowEnds>>& rowEnds, const TLineTable& table,
                double scale);

}  // namespace tq58
