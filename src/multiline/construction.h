// The multi-line with rounded corners: offset lines along a base path.
#pragma once

#include <cstdint>

#include "exchange/model.h"
#include "multiline/base_path.h"
#include "multiline/presets.h"
#include "multiline/row_pieces.h"

namespace tq58 {

// The preset to draw: the current one, or preset 1 for a number outside 1..20, as loading
// makes it.
const TLineTable& CurrentLineTable(const PresetStore& store);

// For every drawn row of `table` (in row order) its offset line along `path`, its corners
// rounded by the preset's corner rule; then the end caps of an open path, if any. `scale` is
// the layer group's, for paper-size values.
MultiLine BuildMultiLine(const BasePath& path, const TLineTable& table, double scale);

// Emits, for every drawn row of the current preset, its attributes and the segments and
// fillet arcs of its offset line along the indicated points 1 .. pointLimit + 1.
void DrawMultiLines(const PresetStore& store, const JwwGaibu::ExchangeModel& model,
                    JwwGaibu::WriterState& writer, int32_t pointLimit);

}  // namespace tq58
