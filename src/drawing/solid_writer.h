// Writing a fill to the host as its solids, before any row is written, so that no solid covers
// a row.
#pragma once

#include <cstdint>

#include "exchange/model.h"
#include "fill/solids.h"

namespace tq58 {

// "lc10" with the colour (R + 256 G + 65536 B), then each solid: "sl" with its corners, "sc"
// for an arc's area ("sc cx cy r 1 0 start sweep code"), "so" for a ring sector ("so cx cy
// outer 1 0 start sweep inner"), angles in radians. A solid with a number that is not finite,
// a radius or sweep of nothing is left out; with no solid nothing is written. The next line
// colour is written again, since the host takes the solid colour as its current colour.
void WriteSolids(exchange::WriterState& writer, int32_t color, const Solids& solids);

// Whether WriteSolids writes anything for these solids.
bool WritesAnySolid(const Solids& solids);

}  // namespace tq58
