// The 20 presets of up to 10 offset lines each, with the dialog's stored position and the
// number of the preset that the transformation draws.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "util/host_limits.h"

namespace tq58 {

using MyFunc::kHostLineWidth;  // LineWidth that stands for the host's width
using MyFunc::kPresetCount;
inline constexpr int kRowsPerPreset = 10;

// One offset line of a preset.
struct TLineRow {
  bool DrawOn = false;
  double Spacing = 0.0;                // from the base line, + left of the travel direction; mm
  double Radius = 0.0;                 // corner rounding; same unit as Spacing; never negative
  bool PaperSize = false;              // Spacing and Radius are paper mm, scaled by the layer group
  int32_t ColorIndex = 0;              // colour-list index, 0 = host's colour
  int32_t LineTypeIndex = 0;           // line-type-list index, 0 = host's line type
  int32_t LineWidth = kHostLineWidth;  // -1..30000

  bool operator==(const TLineRow&) const = default;
};

// One preset: a comment and 10 rows (row 1 is Lines[0]).
struct TLineTable {
  std::string Comment;  // Shift-JIS bytes
  std::array<TLineRow, kRowsPerPreset> Lines{};

  bool operator==(const TLineTable&) const = default;
};

// The presets with the dialog position and the current preset number.
struct PresetStore {
  int32_t FormLeft = 100;
  int32_t FormTop = 100;
  int32_t CurrentPreset = 1;  // 1..20
  std::array<TLineTable, kPresetCount> Presets{};

  // Preset `number`, counted from 1.
  TLineTable& Preset(int number) { return Presets[static_cast<std::size_t>(number - 1)]; }
  const TLineTable& Preset(int number) const {
    return Presets[static_cast<std::size_t>(number - 1)];
  }
};

// A radius that is not greater than 0 (or not a number) becomes 0.
double ApplyRadiusRule(double radius);
// A width below -1 or above 30000 becomes -1.
int32_t ApplyLineWidthRule(int32_t width);
// Applies the Radius rule and the LineWidth rule to the row.
void ApplyLineRowRules(TLineRow& row);

// One field of a row; the alternative says its kind: flag, real or integer.
using LineRowField = std::variant<bool TLineRow::*, double TLineRow::*, int32_t TLineRow::*>;

// The seven fields of a row in the order of the settings file and the dialog's controls.
inline constexpr std::array<LineRowField, 7> kLineRowFields = {
    &TLineRow::DrawOn,     &TLineRow::Spacing,       &TLineRow::Radius,   &TLineRow::PaperSize,
    &TLineRow::ColorIndex, &TLineRow::LineTypeIndex, &TLineRow::LineWidth};

// Appends the field's text: "1"/"0" for a flag, the general real format, a decimal integer.
void AppendLineRowField(std::string& out, const TLineRow& row, const LineRowField& field);

// Sets the field from text (TextToBool, TextToFloat, TextToInt); no range rule is applied.
void SetLineRowField(TLineRow& row, const LineRowField& field, std::string_view text);

}  // namespace tq58
