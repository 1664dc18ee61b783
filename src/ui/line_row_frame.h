// TFrame2: the row of controls with which one offset line of a preset is edited.
#pragma once

#include "ui/controls.h"

namespace tq58::ui {

// The eight controls of one line row, left to right; the view that owns them hands them in.
struct TFrame2 {
  CheckBox& CH1;   // DrawOn
  EditBox& Edit1;  // Spacing
  EditBox& Edit2;  // Radius
  CheckBox& CH2;   // PaperSize
  ComboBox& CB1;   // ColorIndex: the selected entry
  ComboBox& CB2;   // LineTypeIndex: the selected entry
  ComboBox& CB3;   // LineWidth: the text, editable
  ComboBox& CB4;   // Layer: the selected entry, 「現在」 then the layers 0 to F
};

// Fills the four lists afresh (never appending to old entries) and puts the row into its
// empty state: unticked, "0.0" in both edit boxes, the first colour and line type, width "-1",
// the host's write layer.
void FillLineRowLists(TFrame2& frame);

}  // namespace tq58::ui
