// Copying one preset row between the table and a line row's controls, field by field in the
// order of the row's field table, which the settings file follows as well.
#pragma once

#include "presets/presets.h"
#include "ui/line_row_frame.h"

namespace tq58::ui {

// The row as its controls hold it, with the range rules applied. An unselected list gives
// index -1; a text that is no number gives 0. The controls are left as they are.
TLineRow ReadLineRow(const TFrame2& frame);

// Shows `row` in the controls: the reals in the general format, the width as a decimal
// integer, and an index outside a list as no selection.
void ShowLineRow(const TLineRow& row, TFrame2& frame);

}  // namespace tq58::ui
