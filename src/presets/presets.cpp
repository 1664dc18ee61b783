// Range rules of a preset row and of a preset's options, and the text form of each field.
#include "presets/presets.h"

#include <type_traits>

#include "util/overloaded.h"
#include "util/real_format.h"
#include "util/text_convert.h"

namespace tq58 {

const TLineTable& CurrentLineTable(const PresetStore& store) {
  const int32_t number = store.CurrentPreset;
  return store.Preset(util::IsPresetNumber(number) ? number : 1);
}

using util::Overloaded;

namespace {

// An option that is one of a few numbered values (a corner mode, a cap style, a junction mode).
template <typename Choice>
concept OptionChoice = std::is_enum_v<Choice>;

}  // namespace

double ApplyRadiusRule(double radius) {
  // Written so that NaN, which compares false, becomes 0 as well.
  return radius > 0.0 ? radius : 0.0;
}

int32_t ApplyLineWidthRule(int32_t width) {
  return width < kHostLineWidth || width > util::kMaxLineWidth ? kHostLineWidth : width;
}

int32_t ApplyLayerRule(int32_t layer) { return util::IsLayerNumber(layer) ? layer : kCurrentLayer; }

void ApplyLineRowRules(TLineRow& row) {
  row.Radius = ApplyRadiusRule(row.Radius);
  row.LineWidth = ApplyLineWidthRule(row.LineWidth);
  row.Layer = ApplyLayerRule(row.Layer);
}

void AppendLineRowField(std::string& out, const TLineRow& row, const LineRowField& field) {
  std::visit(Overloaded{
                 [&](bool TLineRow::*flag) { out += util::BoolToText(row.*flag); },
                 [&](double TLineRow::*real) { util::AppendReal(out, row.*real); },
                 [&](int32_t TLineRow::*integer) { util::AppendDecimal(out, row.*integer); },
             },
             field);
}

void SetLineRowField(TLineRow& row, const LineRowField& field, std::string_view text) {
  std::visit(Overloaded{
                 [&](bool TLineRow::*flag) { row.*flag = util::TextToBool(text); },
                 [&](double TLineRow::*real) { row.*real = util::TextToFloat(text); },
                 [&](int32_t TLineRow::*integer) { row.*integer = util::TextToInt(text); },
             },
             field);
}

void ApplyPresetOptionRules(TPresetOptions& options) {
  if (options.Corners != CornerMode::PerRow && options.Corners != CornerMode::Concentric) {
    options.Corners = CornerMode::PerRow;
  }
  options.BaseRadius = ApplyRadiusRule(options.BaseRadius);
  for (CapStyle* cap : {&options.StartCap, &options.EndCap}) {
    if (*cap != CapStyle::None && *cap != CapStyle::Line && *cap != CapStyle::Arc &&
        *cap != CapStyle::ConcentricArc) {
      *cap = CapStyle::None;
    }
  }
  if (options.Junctions != JunctionMode::None && options.Junctions != JunctionMode::Clean) {
    options.Junctions = JunctionMode::None;
  }
  if (options.FillColor < 0 || options.FillColor > kLargestFillColor) {
    options.FillColor = kDefaultFillColor;
  }
  options.FillLayer = ApplyLayerRule(options.FillLayer);
}

void AppendPresetOptionField(std::string& out, const TPresetOptions& options,
                             const PresetOptionField& field) {
  std::visit(Overloaded{
                 [&]<OptionChoice Choice>(Choice TPresetOptions::*choice) {
                   util::AppendDecimal(out, static_cast<int32_t>(options.*choice));
                 },
                 [&](double TPresetOptions::*real) { util::AppendReal(out, options.*real); },
                 [&](bool TPresetOptions::*flag) { out += util::BoolToText(options.*flag); },
                 [&](int32_t TPresetOptions::*integer) {
                   util::AppendDecimal(out, options.*integer);
                 },
             },
             field);
}

void SetPresetOptionField(TPresetOptions& options, const PresetOptionField& field,
                          std::string_view text) {
  std::visit(Overloaded{
                 [&]<OptionChoice Choice>(Choice TPresetOptions::*choice) {
                   // Any number is kept here (the enums hold every int32_t); the range rule
                   // comes after.
                   options.*choice = static_cast<Choice>(util::TextToInt(text));
                 },
                 [&](double TPresetOptions::*real) { options.*real = util::TextToFloat(text); },
                 [&](bool TPresetOptions::*flag) { options.*flag = util::TextToBool(text); },
                 [&](int32_t TPresetOptions::*integer) {
                   options.*integer = util::TextToInt(text);
                 },
             },
             field);
}

}  // namespace tq58
