// Which layer of the host's layer group a row's or a fill's entities are written to.
#pragma once

#include <cstdint>

#include "exchange/model.h"

namespace tq58 {

// True when `layer` is a layer of its own (0..15) that the host protects: its entities go to
// the host's write layer instead.
bool MovedToWriteLayer(const exchange::ExchangeModel& model, int32_t layer);

// The layer asked for, or the host's write layer for kCurrentLayer, for a number outside
// 0..15 and for a protected layer.
int32_t WrittenLayer(const exchange::ExchangeModel& model, int32_t layer);

}  // namespace tq58
