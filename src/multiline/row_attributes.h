// The attributes with which a preset row is drawn.
#pragma once

#include "exchange/model.h"
#include "multiline/presets.h"

namespace tq58 {

// Emits the row's colour, line type and width; the writer leaves out what has not changed.
void OutRowAttributes(const JwwGaibu::ExchangeModel& model, JwwGaibu::WriterState& writer,
                      const TLineRow& row);

}  // namespace tq58
