// A network of chains drawn as one plan: where bands meet, their outer rows draw the outline
// of all the strips together, its corners rounded by the preset's corner rule; inner rows
// stop where they enter another band's strip but run on through a junction's through pair.
#pragma once

#include <vector>

#include "fill/solids.h"
#include "path/base_path.h"
#include "presets/presets.h"
#include "rows/row_pieces.h"

namespace tq58 {

// The preset's multi-lines along every chain of the network, band after band (each with its
// rows in row order, then its caps), each corner where two bands' outer rows meet drawn with
// the row that comes first counterclockwise round it. `scale` is the layer group's. With
// `fill`, the solids of the union of the bands' regions, and of what the rounded corners add
// to it, are appended there.
MultiLine BuildJunctionNetwork(const std::vector<BasePath>& chains, const TLineTable& table,
                               double scale, Solids* fill = nullptr);

}  // namespace tq58
