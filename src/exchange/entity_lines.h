// The exchange-file lines that describe entities: each makes one record in the model's lists
// and in EntityOrder, with the attributes of the current drawing state.
#pragma once

#include "exchange/field_splitter.h"
#include "exchange/model.h"

namespace tq58::exchange {

// Circles, arcs, texts, points, blocks and solids ("ci", "ch".."c2", "pt", "BL", "sl", "sc",
// "se", "so", "sg" with a fitting field count). False, with nothing changed, for any other
// line.
bool ApplyEntityLine(ExchangeModel& model, const FieldSplitter& fields);

// A line of four fields that no other rule took: the segment (R(0), R(1)) to (R(2), R(3)),
// stored, or held for the next "cs" text while a "msg" line is pending.
void ApplyPlainSegment(ExchangeModel& model, const FieldSplitter& fields);

}  // namespace tq58::exchange
