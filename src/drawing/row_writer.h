// Writing a multi-line to the host: each drawn line's colour, line type and width, then its
// segments and arcs as drawing commands.
#pragma once

#include "exchange/model.h"
#include "presets/presets.h"
#include "rows/row_pieces.h"

namespace tq58 {

// Emits the row's colour, line type and width; the writer leaves out what has not changed.
void OutRowAttributes(const exchange::ExchangeModel& model, exchange::WriterState& writer,
                      const TLineRow& row);

// Emits the line's colour, line type and width, then its pieces; the writer leaves out
// attributes that have not changed and pieces too small to draw.
void WriteDrawnLine(const exchange::ExchangeModel& model, exchange::WriterState& writer,
                    const DrawnLine& line);

// WriteDrawnLine for each line in turn.
void WriteMultiLine(const exchange::ExchangeModel& model, exchange::WriterState& writer,
                    const MultiLine& lines);

}  // namespace tq58
