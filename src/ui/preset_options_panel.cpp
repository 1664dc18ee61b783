// Each option's control holds its text form in the order of the options' field tables, as the
// settings file does; a choice list's entries are its enumeration's values in order.
#include "ui/preset_options_panel.h"

#include <array>
#include <string_view>

#include "ui/field_controls.h"
#include "ui/line_row_lists.h"

namespace tq58::ui {
namespace {

// "線ごとのＲ", "同心円": CornerMode 0 and 1.
constexpr std::array<std::string_view, 2> kCornerModeEntries = {
    "\x90\xFC\x82\xB2\x82\xC6\x82\xCC\x82\x71", "\x93\xAF\x90\x53\x89\x7E"};
// "なし", "直線", "円弧", "同心円弧": CapStyle 0 to 3.
constexpr std::array<std::string_view, 4> kCapEntries = {
    "\x82\xC8\x82\xB5", "\x92\xBC\x90\xFC", "\x89\x7E\x8C\xCA", "\x93\xAF\x90\x53\x89\x7E\x8C\xCA"};
// "重ねる", "整える": JunctionMode 0 and 1.
constexpr std::array<std::string_view, 2> kJunctionEntries = {"\x8F\x64\x82\xCB\x82\xE9",
                                                              "\x90\xAE\x82\xA6\x82\xE9"};

template <typename Entries>
void FillList(ComboBox& list, const Entries& entries) {
  list.ClearItems();
  for (std::string_view entry : entries) list.AddItem(entry);
}

// The options' controls in the order of kPresetOptionFields.
std::array<FieldControl, kPresetOptionFields.size()> OptionControls(
    const PresetOptionControls& controls) {
  return {SelectedEntry{&controls.CornerModeList}, &controls.BaseRadiusEdit,
          &controls.BaseRadiusPaperSize, SelectedEntry{&controls.StartCapList},
          SelectedEntry{&controls.EndCapList}};
}

// The second line's controls in the order of kJunctionOptionFields.
std::array<FieldControl, kJunctionOptionFields.size()> JunctionControls(
    const PresetOptionControls& controls) {
  return {SelectedEntry{&controls.JunctionList}};
}

// The fill's controls in the order of kFillOptionFields.
std::array<FieldControl, kFillOptionFields.size()> FillControls(
    const PresetOptionControls& controls) {
  return {&controls.FillBox, &controls.FillColorSwatch};
}

// The fill's layer control, in the order of kFillLayerFields.
std::array<FieldControl, kFillLayerFields.size()> FillLayerControls(
    const PresetOptionControls& controls) {
  return {LayerEntry{&controls.FillLayerList}};
}

}  // namespace

void FillPresetOptionLists(const PresetOptionControls& controls) {
  FillList(controls.CornerModeList, kCornerModeEntries);
  FillList(controls.StartCapList, kCapEntries);
  FillList(controls.EndCapList, kCapEntries);
  FillList(controls.JunctionList, kJunctionEntries);
  FillList(controls.FillLayerList, LayerListEntries());
  ShowPresetOptions(TPresetOptions{}, controls);
}

TPresetOptions ReadPresetOptions(const PresetOptionControls& controls) {
  TPresetOptions options;
  ReadFieldControls(options, kPresetOptionFields, OptionControls(controls), SetPresetOptionField);
  ReadFieldControls(options, kJunctionOptionFields, JunctionControls(controls),
                    SetPresetOptionField);
  ReadFieldControls(options, kFillOptionFields, FillControls(controls), SetPresetOptionField);
  ReadFieldControls(options, kFillLayerFields, FillLayerControls(controls), SetPresetOptionField);
  // An unselected list reads as -1, which the rules turn into the default.
  ApplyPresetOptionRules(options);
  return options;
}

void ShowPresetOptions(const TPresetOptions& options, const PresetOptionControls& controls) {
  ShowFieldControls(options, kPresetOptionFields, OptionControls(controls),
                    AppendPresetOptionField);
  ShowFieldControls(options, kJunctionOptionFields, JunctionControls(controls),
                    AppendPresetOptionField);
  ShowFieldControls(options, kFillOptionFields, FillControls(controls), AppendPresetOptionField);
  ShowFieldControls(options, kFillLayerFields, FillLayerControls(controls),
                    AppendPresetOptionField);
}

void GreyUnusedRadii(const PresetOptionControls& controls,
                     std::span<TFrame2, kRowsPerPreset> frames) {
  const bool concentric =
      controls.CornerModeList.SelectedIndex() == static_cast<int>(CornerMode::Concentric);
  for (TFrame2& frame : frames) frame.Edit2.SetEnabled(!concentric);
  controls.BaseRadiusLabel.SetEnabled(concentric);
  controls.BaseRadiusEdit.SetEnabled(concentric);
  controls.BaseRadiusPaperSize.SetEnabled(concentric);
}

}  // namespace tq58::ui
