// The exchange-file lines that are not entities: header values, layer tables, the host's
// current attributes, the drawing state, the polyline and "msg" markers, indicated points.
#pragma once

#include "exchange/field_splitter.h"
#include "exchange/model.h"

namespace tq58::exchange {

// Applies the first of these rules that takes the line, in this order: "file=" anywhere in
// the first field, "hk", "hs", "hzs", "hcw", "hch", "hcd", "hcc", "bz", "hn", "lgn", "lyn",
// "lg", "ly", "lc", "lt", "lw", "cn$", "cn", "cc", "z1".."z5", "pn", "pl", "msg", "#", "hp",
// "hhp". False, with nothing changed, when none does.
bool ApplyStateLine(ExchangeModel& model, const FieldSplitter& fields);

}  // namespace tq58::exchange
