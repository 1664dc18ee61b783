// Each control of a line row holds the text form of one field, in the order of the row's
// field table, which the settings file follows as well.
#include "ui/line_row_binding.h"

#include <array>

#include "ui/field_controls.h"

namespace tq58::ui {
namespace {

// The row's controls in the order of kLineRowFields.
std::array<FieldControl, kLineRowFields.size()> RowControls(const TFrame2& frame) {
  return {&frame.CH1,
          &frame.Edit1,
          &frame.Edit2,
          &frame.CH2,
          SelectedEntry{&frame.CB1},
          SelectedEntry{&frame.CB2},
          &frame.CB3};
}

// The layer's control, after the seven.
std::array<FieldControl, kLineRowLayerFields.size()> LayerControls(const TFrame2& frame) {
  return {LayerEntry{&frame.CB4}};
}

}  // namespace

TLineRow ReadLineRow(const TFrame2& frame) {
  TLineRow row;
  ReadFieldControls(row, kLineRowFields, RowControls(frame), SetLineRowField);
  ReadFieldControls(row, kLineRowLayerFields, LayerControls(frame), SetLineRowField);
  ApplyLineRowRules(row);
  return row;
}

void ShowLineRow(const TLineRow& row, TFrame2& frame) {
  ShowFieldControls(row, kLineRowFields, RowControls(frame), AppendLineRowField);
  ShowFieldControls(row, kLineRowLayerFields, LayerControls(frame), AppendLineRowField);
}

}  // namespace tq58::ui
