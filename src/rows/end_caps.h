// The caps that close the ends of an open multi-line: a segment or a half circle joining the
// ends of the two outermost drawn rows.
#pragma once

#include <optional>

#include "path/base_path.h"
#include "presets/presets.h"
#include "rows/row_pieces.h"

namespace tq58 {

// The drawn rows with the largest and the smallest spacing (drawing units, after the
// paper-size scaling) and their ends; of rows with equal spacing the first counts.
struct OutermostRows {
  const TLineRow* largest = nullptr;  // none before the first drawn row
  double largestSpacing = 0.0;
  double smallestSpacing = 0.0;
  std::optional<RowEnds> largestEnds, smallestEnds;  // none for a row with nothing drawn

  // Takes a drawn row into account, in row order.
  void Consider(const TLineRow& row, double spacing, const std::optional<RowEnds>& ends);
};

// The preset's start and end caps joining the ends of the rows with the largest and the
// smallest spacing, in the attributes of the first: none on a closed path, where the drawn
// rows have fewer than two distinct spacings or one of those draws nothing, or where the preset
// has no cap at either end.
std::optional<DrawnLine> BuildEndCaps(const BasePath& path, const TPresetOptions& options,
                                      const OutermostRows& rows);

}  // namespace tq58
