// A preset's value in a settings block, reached through its options or through one of its rows.
#include "presets/preset_fields.h"

#include "util/overloaded.h"

namespace tq58 {

using util::Overloaded;

void AppendPresetField(std::string& out, const TLineTable& table, const PresetField& field) {
  std::visit(
      Overloaded{
          [&](const PresetOptionField& option) {
            AppendPresetOptionField(out, table.Options, option);
          },
          [&](const RowField& row) { AppendLineRowField(out, table.Lines[row.row], row.field); },
      },
      field);
}

void SetPresetField(TLineTable& table, const PresetField& field, std::string_view text) {
  std::visit(Overloaded{
                 [&](const PresetOptionField& option) {
                   SetPresetOptionField(table.Options, option, text);
                   ApplyPresetOptionRules(table.Options);
                 },
                 [&](const RowField& row) {
                   TLineRow& line = table.Lines[row.row];
                   SetLineRowField(line, row.field, text);
                   ApplyLineRowRules(line);
                 },
             },
             field);
}

bool DiffersFromDefault(const TLineTable& table, const PresetField& field) {
  static const TLineTable kDefaults{};
  return std::visit(
      Overloaded{
          [&](const PresetOptionField& option) {
            return std::visit(
                [&](auto member) { return table.Options.*member != kDefaults.Options.*member; },
                option);
          },
          [&](const RowField& row) {
            return std::visit(
                [&](auto member) {
                  return table.Lines[row.row].*member != kDefaults.Lines[row.row].*member;
                },
                row.field);
          },
      },
      field);
}

}  // namespace tq58
