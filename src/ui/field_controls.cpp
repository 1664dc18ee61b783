// The text form of a field, read from and shown in the five kinds of field control.
#include "ui/field_controls.h"

#include "util/overloaded.h"
#include "util/text_convert.h"

namespace tq58::ui {

using util::Overloaded;

std::string ControlText(const FieldControl& control) {
  return std::visit(
      Overloaded{
          [](CheckBox* box) { return util::BoolToText(box->Checked()); },
          [](EditBox* edit) { return edit->Text(); },
          [](ComboBox* list) { return list->Text(); },
          [](SelectedEntry entry) { return std::to_string(entry.list->SelectedIndex()); },
          [](LayerEntry entry) { return std::to_string(entry.list->SelectedIndex() - 1); },
          [](ColorSwatch* swatch) { return std::to_string(swatch->Color()); },
      },
      control);
}

namespace {

// Selects entry `index`, or none for an index outside the list.
void SelectListed(ComboBox& list, int64_t index) {
  const bool listed = index >= 0 && index < list.ItemCount();
  list.SetSelectedIndex(listed ? static_cast<int>(index) : -1);
}

}  // namespace

void ShowControlText(const FieldControl& control, std::string_view text) {
  std::visit(
      Overloaded{
          [&](CheckBox* box) { box->SetChecked(util::TextToBool(text)); },
          [&](EditBox* edit) { edit->SetText(text); },
          [&](ComboBox* list) { list->SetText(text); },
          [&](SelectedEntry entry) { SelectListed(*entry.list, util::TextToInt(text)); },
          [&](LayerEntry entry) { SelectListed(*entry.list, int64_t{util::TextToInt(text)} + 1); },
          [&](ColorSwatch* swatch) { swatch->SetColor(util::TextToInt(text)); },
      },
      control);
}

}  // namespace tq58::ui
