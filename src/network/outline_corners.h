// Corners where the outer rows of two bands cut each other: joined at their crossing, rounded.
#pragma once

#include <functional>
#include <vector>

#include "network/row_cuts.h"

namespace tq58 {

// The corner radius of two rows meeting at a corner.
using CornerRadius = std::function<double(const LineCut&, const LineCut&)>;

// The area a rounded corner adds to the regions: one closed loop, from the rows' crossing along
// the one row to the fillet, along the fillet's arc as drawn, and back along the other row.
using CornerArea = std::vector<Curve>;

// Joins, per band and line, the kept parts of outer rows at each crossing where two bands'
// outer rows cut each other, rounded with `radius` where the fillet fits (on the pieces there,
// or on one a row runs on into, the short piece between then swallowed), the arc added to the
// corners of the row first counterclockwise round the corner. Returns the area between each
// arc and the rows it joins, as the rows ran before they were joined.
std::vector<CornerArea> JoinOutlineCorners(std::vector<std::vector<LineCut>>& cuts,
                                           const CornerRadius& radius, double tolerance);

}  // namespace tq58
