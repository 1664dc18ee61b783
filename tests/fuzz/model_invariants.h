// Properties that every exchange-file model made by the reader has, whatever the input.
#pragma once

#include "exchange/model.h"

namespace tq58::fuzz {

// Aborts unless: every EntityOrder item names a record that exists, each record exactly once
// and in list order; layer numbers are 0..15 and text colours 0..8; texts and font names are
// at most 255 bytes; every real is finite.
void RequireModelInvariants(const exchange::ExchangeModel& model);

}  // namespace tq58::fuzz
