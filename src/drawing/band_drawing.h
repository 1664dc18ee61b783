// Drawing a preset along paths: the fills of all bands first, then all their rows, so that no
// fill covers a row, also where bands meet.
#pragma once

#include <vector>

#include "exchange/model.h"
#include "path/base_path.h"
#include "presets/presets.h"

namespace tq58 {

// The preset's multi-line along each path in turn, or along all of them as one network with
// its junctions cleaned (`network`); a preset that fills writes its solids before any row.
// Emits the layer of the first entity first and ends on the host's write layer (see
// WriteOnLayers). `scale` is the layer group's.
void DrawAlongPaths(const exchange::ExchangeModel& model, exchange::WriterState& writer,
                    const std::vector<BasePath>& paths, const TLineTable& table, double scale,
                    bool network);

}  // namespace tq58
