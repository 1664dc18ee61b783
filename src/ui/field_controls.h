// A control that holds one field of a preset in its text form: a check box as "1" or "0", an
// edit box or an editable list as its text, a choice list as the index of its selected entry.
// Binding a table of fields to controls is then one loop in each direction.
#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "ui/controls.h"

namespace tq58::ui {

// A choice list whose field is the index of the selected entry.
struct SelectedEntry {
  ComboBox* list;
};

using FieldControl = std::variant<CheckBox*, EditBox*, ComboBox*, SelectedEntry>;

// The field's text as the control holds it; an unselected choice list gives "-1".
std::string ControlText(const FieldControl& control);

// Shows the field's text; an index outside a choice list selects no entry.
void ShowControlText(const FieldControl& control, std::string_view text);

}  // namespace tq58::ui
