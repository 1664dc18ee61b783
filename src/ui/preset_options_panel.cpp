// Each options list holds its enumeration's values in order, so that the selected index is the
// value; the base radius is shown and read like a row's radius.
#include "ui/preset_options_panel.h"

#include <array>
#include <string>
#include <string_view>

#include "util/real_format.h"
#include "util/text_convert.h"

namespace tq58::ui {
namespace {

// "線ごとのＲ", "同心円": CornerMode 0 and 1.
constexpr std::array<std::string_view, 2> kCornerModeEntries = {
    "\x90\xFC\x82\xB2\x82\xC6\x82\xCC\x82\x71", "\x93\xAF\x90\x53\x89\x7E"};
// "なし", "直線", "円弧": CapStyle 0, 1 and 2.
constexpr std::array<std::string_view, 3> kCapEntries = {"\x82\xC8\x82\xB5", "\x92\xBC\x90\xFC",
                                                         "\x89\x7E\x8C\xCA"};

template <std::size_t N>
void FillList(ComboBox& list, const std::array<std::string_view, N>& entries) {
  list.ClearItems();
  for (std::string_view entry : entries) list.AddItem(entry);
}

// The value whose entry is selected, or `none` when no entry is.
template <typename Choice>
Choice SelectedChoice(const ComboBox& list, Choice none) {
  const int index = list.SelectedIndex();
  return index >= 0 ? static_cast<Choice>(index) : none;
}

template <typename Choice>
void ShowChoice(ComboBox& list, Choice value) {
  const auto index = static_cast<int>(value);
  list.SetSelectedIndex(index >= 0 && index < list.ItemCount() ? index : -1);
}

}  // namespace

void FillPresetOptionLists(const PresetOptionControls& controls) {
  FillList(controls.CornerModeList, kCornerModeEntries);
  FillList(controls.StartCapList, kCapEntries);
  FillList(controls.EndCapList, kCapEntries);
  ShowPresetOptions(TPresetOptions{}, controls);
}

TPresetOptions ReadPresetOptions(const PresetOptionControls& controls) {
  const TPresetOptions defaults;
  TPresetOptions options;
  options.Corners = SelectedChoice(controls.CornerModeList, defaults.Corners);
  options.BaseRadius = ApplyRadiusRule(MyFunc::TextToFloat(controls.BaseRadiusEdit.Text()));
  options.BaseRadiusPaperSize = controls.BaseRadiusPaperSize.Checked();
  options.StartCap = SelectedChoice(controls.StartCapList, defaults.StartCap);
  options.EndCap = SelectedChoice(controls.EndCapList, defaults.EndCap);
  return options;
}

void ShowPresetOptions(const TPresetOptions& options, const PresetOptionControls& controls) {
  ShowChoice(controls.CornerModeList, options.Corners);
  std::string radius;
  MyFunc::AppendReal(radius, options.BaseRadius);
  controls.BaseRadiusEdit.SetText(radius);
  controls.BaseRadiusPaperSize.SetChecked(options.BaseRadiusPaperSize);
  ShowChoice(controls.StartCapList, options.StartCap);
  ShowChoice(controls.EndCapList, options.EndCap);
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
