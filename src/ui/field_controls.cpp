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
          [](ColorSwatch* swatch) { return std::to_string(swatch->Color()); },
      },
      control);
}

void ShowControlText(const FieldControl& control, std::string_view text) {
  std::visit(Overloaded{
                 [&](CheckBox* box) { box->SetChecked(util::TextToBool(text)); },
                 [&](EditBox* edit) { edit->SetText(text); },
                 [&](ComboBox* list) { list->SetText(text); },
                 [&](SelectedEntry entry) {
                   const int32_t index = util::TextToInt(text);
                   const bool listed = index >= 0 && index < entry.list->ItemCount();
                   entry.list->SetSelectedIndex(listed ? index : -1);
                 },
                 [&](ColorSwatch* swatch) { swatch->SetColor(util::TextToInt(text)); },
             },
             control);
}

}  // namespace tq58::ui
