// Chain mode: the multi-line along the selected lines, chained end to end, instead of along
// the indicated points.
#pragma once

#include "exchange/model.h"
#include "presets/presets.h"

namespace tq58 {

// Draws the current preset's multi-line along every chain of the selected pieces, in the
// file order of each chain's first piece, then a notice of how many chains were drawn and
// what was left out, and which rows or fill went to the write layer because the host protects
// theirs. With no chain to draw along, an error line says so instead. The
// selected entities are never deleted. `reverse` turns every chain round. A preset that cleans
// junctions draws all chains together as one network.
void DrawChainMultiLines(const PresetStore& store, const exchange::ExchangeModel& model,
                         exchange::WriterState& writer, bool reverse);

}  // namespace tq58
