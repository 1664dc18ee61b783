// A control that holds one field of a preset in its text form: a check box as "1" or "0", an
// edit box or an editable list as its text, a choice list as the index of its selected entry
// (a layer list as the layer, one less), a colour swatch as its colour in decimal.
// Binding a table of fields to controls is then one loop in each direction.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include "ui/controls.h"

namespace tq58::ui {

// A choice list whose field is the index of the selected entry.
struct SelectedEntry {
  ComboBox* list;
};

// A choice list of 「現在」 and the layers 0 to 15, whose field is the layer: -1 for 「現在」.
struct LayerEntry {
  ComboBox* list;
};

using FieldControl =
    std::variant<CheckBox*, EditBox*, ComboBox*, SelectedEntry, LayerEntry, ColorSwatch*>;

// The field's text as the control holds it; an unselected choice list gives "-1", an
// unselected layer list "-2", which the Layer rule makes -1.
std::string ControlText(const FieldControl& control);

// Shows the field's text; an index outside a choice list selects no entry.
void ShowControlText(const FieldControl& control, std::string_view text);

// Sets each of `fields` of `value` with `set` from the text of its control, controls[i] holding
// fields[i]. No range rule is applied.
template <typename Value, typename Field, std::size_t N>
void ReadFieldControls(Value& value, const std::array<Field, N>& fields,
                       const std::array<FieldControl, N>& controls,
                       void (*set)(Value&, const Field&, std::string_view)) {
  for (std::size_t i = 0; i < N; ++i) set(value, fields[i], ControlText(controls[i]));
}

// Shows each of `fields` of `value`, in the text that `append` gives, in its control.
template <typename Value, typename Field, std::size_t N>
void ShowFieldControls(const Value& value, const std::array<Field, N>& fields,
                       const std::array<FieldControl, N>& controls,
                       void (*append)(std::string&, const Value&, const Field&)) {
  for (std::size_t i = 0; i < N; ++i) {
    std::string text;
    append(text, value, fields[i]);
    ShowControlText(controls[i], text);
  }
}

}  // namespace tq58::ui
