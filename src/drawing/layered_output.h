// Writing a drawing's solids and lines, each on the layer its fill or row asks for, and ending
// on the host's write layer so that its next command draws where the user was.
#pragma once

#include "exchange/model.h"
#include "fill/solids.h"
#include "presets/presets.h"
#include "rows/row_pieces.h"

namespace tq58 {

// Emits the layer of the first entity, then the solids on the fill's layer, then the lines,
// each switching to its row's layer where it draws something, and last the host's write layer
// again where another is in effect; the writer emits a layer only when it changes. Where the
// lines ask for more than one layer they are written grouped by layer: the fill's first, the
// host's write layer last, the others in the order of their first row; otherwise in their own
// order. With every layer the host's, this is the one "ly" line of the host's layer.
void WriteOnLayers(const exchange::ExchangeModel& model, exchange::WriterState& writer,
                   const TLineTable& table, const Solids& solids, const MultiLine& lines);

}  // namespace tq58
