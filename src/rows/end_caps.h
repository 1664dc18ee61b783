// The caps that close the ends of an open multi-line: a segment or a half circle joining the
// ends of the two outermost drawn rows, and with concentric arc caps half circles joining the
// rows inside them pair by pair.
#pragma once

#include <optional>
#include <vector>

#include "path/base_path.h"
#include "presets/presets.h"
#include "rows/row_pieces.h"

namespace tq58 {

// The caps at the two ends of a path: the preset's, or none where the end meets other bands.
struct EndCaps {
  CapStyle start = CapStyle::None, end = CapStyle::None;
};

// A drawn row as the caps see it: its spacing (drawing units, after the paper-size scaling) and
// its ends, none where it draws nothing.
struct CapRow {
  const TLineRow* row = nullptr;
  double spacing = 0.0;
  std::optional<RowEnds> ends;
};

// The caps lines after the drawn rows (given in row order): none on a closed path, where the
// rows have fewer than two distinct spacings, where a row with the largest or the smallest
// spacing draws nothing, or where `styles` has no cap at either end. Otherwise the first line
// joins the rows with the largest and the smallest spacing, in the attributes of the first: the
// start cap, then the end cap. An end with concentric arc caps closes each pair further in with
// a half circle too, one line per pair, outermost first.
std::vector<DrawnLine> BuildEndCaps(const BasePath& path, const EndCaps& styles,
                                    const std::vector<CapRow>& rows);

}  // namespace tq58
