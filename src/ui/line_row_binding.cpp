// Each control of a line row holds the text form of one field: a check box as "1" or "0", an
// edit box or the editable width list as its text, a choice list as its selected index.
#include "ui/line_row_binding.h"

#include <array>
#include <string>
#include <variant>

#include "util/overloaded.h"
#include "util/text_convert.h"

namespace tq58::ui {
namespace {

using MyFunc::Overloaded;

// A choice list whose field is the index of the selected entry.
struct SelectedEntry {
  ComboBox* list;
};

using RowControl = std::variant<CheckBox*, EditBox*, ComboBox*, SelectedEntry>;

// The row's controls in the order of kLineRowFields.
std::array<RowControl, kLineRowFields.size()> RowControls(const TFrame2& frame) {
  return {&frame.CH1,
          &frame.Edit1,
          &frame.Edit2,
          &frame.CH2,
          SelectedEntry{&frame.CB1},
          SelectedEntry{&frame.CB2},
          &frame.CB3};
}

std::string ControlText(const RowControl& control) {
  return std::visit(
      Overloaded{
          [](CheckBox* box) { return MyFunc::BoolToText(box->Checked()); },
          [](EditBox* edit) { return edit->Text(); },
          [](ComboBox* list) { return list->Text(); },
          [](SelectedEntry entry) { return std::to_string(entry.list->SelectedIndex()); },
      },
      control);
}

void ShowControlText(const RowControl& control, std::string_view text) {
  std::visit(Overloaded{
                 [&](CheckBox* box) { box->SetChecked(MyFunc::TextToBool(text)); },
                 [&](EditBox* edit) { edit->SetText(text); },
                 [&](ComboBox* list) { list->SetText(text); },
                 [&](SelectedEntry entry) {
                   const int32_t index = MyFunc::TextToInt(text);
                   const bool listed = index >= 0 && index < entry.list->ItemCount();
                   entry.list->SetSelectedIndex(listed ? index : -1);
                 },
             },
             control);
}

}  // namespace

TLineRow ReadLineRow(const TFrame2& frame) {
  TLineRow row;
  const auto controls = RowControls(frame);
  for (std::size_t i = 0; i < kLineRowFields.size(); ++i) {
    SetLineRowField(row, kLineRowFields[i], ControlText(controls[i]));
  }
  ApplyLineRowRules(row);
  return row;
}

void ShowLineRow(const TLineRow& row, TFrame2& frame) {
  const auto controls = RowControls(frame);
  for (std::size_t i = 0; i < kLineRowFields.size(); ++i) {
    std::string text;
    AppendLineRowField(text, row, kLineRowFields[i]);
    ShowControlText(controls[i], text);
  }
}

}  // namespace tq58::ui
