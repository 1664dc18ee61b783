// The point mode: the multi-line along the indicated points.
#pragma once

#include <cstdint>

#include "exchange/model.h"
#include "presets/presets.h"

namespace tq58 {

// Emits, for every drawn row of the current preset, its attributes and the segments and
// fillet arcs of its offset line along the indicated points 1 .. pointLimit + 1, each on its
// layer, the host's write layer last; then, where rows or the fill asked for a protected
// layer, a notice that names them.
void DrawMultiLines(const PresetStore& store, const exchange::ExchangeModel& model,
                    exchange::WriterState& writer, int32_t pointLimit);

}  // namespace tq58
