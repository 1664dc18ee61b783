// One row of a multi-line along a base path of segments and circular arcs: the row's offsets
// of its pieces (parallel segments, concentric arcs), joined where the path meets itself at an
// angle and rounded there by the corner rule, left out where an arc collapses or a join
// swallows a piece.
#pragma once

#include <optional>
#include <vector>

#include "path/base_path.h"
#include "rows/corner_radii.h"
#include "rows/row_pieces.h"

namespace tq58 {

// Appends the pieces of the row at signed distance `spacing` (positive to the left of the
// direction of travel) along `path`, each corner rounded with its radius in `radii` where the
// fillet fits (`reaches` from FilletReaches of the path); returns where the row starts and
// ends, nothing when it draws nothing. A circle's row is the circle of radius r - s (run
// counterclockwise; r + s clockwise), none where that is not above 0.
std::optional<RowEnds> AppendOffsetRow(const BasePath& path, double spacing,
                                       const CornerRadii& radii,
                                       const std::vector<FilletReach>& reaches,
                                       std::vector<RowPiece>& pieces);

}  // namespace tq58
