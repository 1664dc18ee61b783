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

using util::kCurrentLayer;   // a Layer that stands for the host's write layer
using util::kHostLineWidth;  // LineWidth that stands for the host's width
using util::kPresetCount;
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
  int32_t Layer = kCurrentLayer;       // 0..15 in the host's layer group, or -1

  bool operator==(const TLineRow&) const = default;
};

// How the corners of a preset's lines are rounded.
enum class CornerMode : int32_t {
  PerRow = 0,      // each row with its own Radius
  Concentric = 1,  // every row about the centre of the base path's own fillet of BaseRadius
};

// What closes one end of an open multi-line.
enum class CapStyle : int32_t {
  None = 0,
  Line = 1,  // a segment joining the end points of the outermost drawn rows
  Arc = 2,   // a half circle through them, bulging away from the path
  ConcentricArc = 3,  // pairs of rows joined from the outside in by half circles
};

// A light grey, as R + 256 G + 65536 B.
inline constexpr int32_t kDefaultFillColor = 12632256;
inline constexpr int32_t kLargestFillColor = 16777215;

// What is drawn where the chains of chain mode meet.
enum class JunctionMode : int32_t {
  None = 0,   // bands simply overlap where chains meet
  Clean = 1,  // junctions cleaned: the outer rows outline the bands together, corners rounded
};

// The options of a preset beyond its rows. The defaults draw as a preset always has; the
// settings file stores the options only when some preset uses one.
struct TPresetOptions {
  CornerMode Corners = CornerMode::PerRow;
  double BaseRadius = 0.0;  // concentric corners: the base path's radius; mm; never negative
  bool BaseRadiusPaperSize = false;  // BaseRadius is paper mm, scaled by the layer group
  CapStyle StartCap = CapStyle::None;
  CapStyle EndCap = CapStyle::None;
  JunctionMode Junctions = JunctionMode::None;
  bool Fill = false;  // the band between the outermost rows is filled with host solids
  int32_t FillColor = kDefaultFillColor;  // R + 256 G + 65536 B; kept while Fill is off
  int32_t FillLayer = kCurrentLayer;      // the solids' layer, as a row's Layer

  bool operator==(const TPresetOptions&) const = default;
};

// One preset: a comment, 10 rows (row 1 is Lines[0]) and its options.
struct TLineTable {
  std::string Comment;  // Shift-JIS bytes
  std::array<TLineRow, kRowsPerPreset> Lines{};
  TPresetOptions Options;

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

// The preset to draw: the current one, or preset 1 for a number outside 1..20, as loading
// makes it.
const TLineTable& CurrentLineTable(const PresetStore& store);

// A spacing or radius in drawing units: paper millimetres (`paperSize`) are multiplied by the
// scale of the host's layer group, real-size values are taken as they are.
inline double InDrawingUnits(double value, bool paperSize, double scale) {
  return paperSize ? value * scale : value;
}

// A radius that is not greater than 0 (or not a number) becomes 0.
double ApplyRadiusRule(double radius);
// A width below -1 or above 30000 becomes -1.
int32_t ApplyLineWidthRule(int32_t width);
// A layer outside -1..15 becomes -1, the host's write layer.
int32_t ApplyLayerRule(int32_t layer);
// Applies the Radius rule, the LineWidth rule and the Layer rule to the row.
void ApplyLineRowRules(TLineRow& row);

// One field of a row; the alternative says its kind: flag, real or integer.
using LineRowField = std::variant<bool TLineRow::*, double TLineRow::*, int32_t TLineRow::*>;

// The seven fields of a row in the order of the settings file and the dialog's controls.
inline constexpr std::array<LineRowField, 7> kLineRowFields = {
    &TLineRow::DrawOn,     &TLineRow::Spacing,       &TLineRow::Radius,   &TLineRow::PaperSize,
    &TLineRow::ColorIndex, &TLineRow::LineTypeIndex, &TLineRow::LineWidth};

// A row's layer, which the seven have no room for: the settings file keeps it in a block after
// its rows, and the dialog in a column after the width.
inline constexpr std::array<LineRowField, 1> kLineRowLayerFields = {&TLineRow::Layer};

// Appends the field's text: "1"/"0" for a flag, the general real format, a decimal integer.
void AppendLineRowField(std::string& out, const TLineRow& row, const LineRowField& field);

// Sets the field from text (TextToBool, TextToFloat, TextToInt); no range rule is applied.
void SetLineRowField(TLineRow& row, const LineRowField& field, std::string_view text);

// A corner mode, cap style or junction mode outside its values becomes the default, and so does
// a fill colour outside 0..16777215; BaseRadius follows the Radius rule, FillLayer the Layer
// rule.
void ApplyPresetOptionRules(TPresetOptions& options);

// One option of a preset; the alternative says its kind: a choice, a real or a flag.
using PresetOptionField =
    std::variant<CornerMode TPresetOptions::*, double TPresetOptions::*, bool TPresetOptions::*,
                 CapStyle TPresetOptions::*, JunctionMode TPresetOptions::*,
                 int32_t TPresetOptions::*>;

// The five options in the order of the settings file.
inline constexpr std::array<PresetOptionField, 5> kPresetOptionFields = {
    &TPresetOptions::Corners, &TPresetOptions::BaseRadius, &TPresetOptions::BaseRadiusPaperSize,
    &TPresetOptions::StartCap, &TPresetOptions::EndCap};

// The options that came after those five: the settings file keeps them in a block of their
// own after the five's, and the dialog on a second line.
inline constexpr std::array<PresetOptionField, 1> kJunctionOptionFields = {
    &TPresetOptions::Junctions};

// The fill, in a block after the junctions' block.
inline constexpr std::array<PresetOptionField, 2> kFillOptionFields = {&TPresetOptions::Fill,
                                                                       &TPresetOptions::FillColor};

// The fill's layer, kept with the rows' layers after the fill's block; the dialog shows it at
// the end of the second line.
inline constexpr std::array<PresetOptionField, 1> kFillLayerFields = {&TPresetOptions::FillLayer};

// Appends the option's text: a choice as its number, "1"/"0" for a flag, the general real
// format.
void AppendPresetOptionField(std::string& out, const TPresetOptions& options,
                             const PresetOptionField& field);

// Sets the option from text (TextToInt, TextToFloat, TextToBool); no range rule is applied.
void SetPresetOptionField(TPresetOptions& options, const PresetOptionField& field,
                          std::string_view text);

}  // namespace tq58
