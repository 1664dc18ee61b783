// Corners where the outer rows of two bands cut each other: joined at their crossing, rounded.
#pragma once

#include <functional>
#include <vector>

#include "network/row_cuts.h"

namespace tq58 {

// The corner radius of two rows meeting at a corner.
using CornerRadius = std::function<double(const LineCut&, const LineCut&)>;

// Joins, per band and line, the kept parts of outer rows at each crossing where two bands'
// outer rows cut each other, rounded with `radius` where the fillet fits (on the pieces there,
// or on one a row runs on into, the short piece between then swallowed), the arc added to the
// corners of the row first counterclockwise round the corner.
void JoinOutlineCorners(std::vector<std::vector<LineCut>>& cuts, const CornerRadius& radius,
                        double tolerance);

}  // namespace tq58
