// Opening, page handling, tab changes and the two buttons of the settings dialog.
#include "ui/settings_dialog.h"

#include <algorithm>
#include <string>
#include <utility>

#include "multiline/settings_file.h"
#include "ui/help_text.h"
#include "util/real_format.h"
#include "util/text_convert.h"

namespace tq58::ui {
namespace {

bool IsPresetNumber(int number) { return number >= 1 && number <= kPresetCount; }

// A list index that the list holds, or -1 (nothing selected) for any other value.
int IndexWithin(int32_t index, const ComboBox& list) {
  return index >= 0 && index < list.ItemCount() ? index : -1;
}

std::string JoinedHelpText() {
  std::string text;
  for (std::string_view line : kHelpTextLines) {
    if (!text.empty()) text += "\r\n";
    text += line;
  }
  return text;
}

TLineRow ReadRow(const TFrame2& frame) {
  TLineRow row;
  row.DrawOn = frame.CH1.Checked();
  row.Spacing = MyFunc::TextToFloat(frame.Edit1.Text());
  row.Radius = ApplyRadiusRule(MyFunc::TextToFloat(frame.Edit2.Text()));
  row.PaperSize = frame.CH2.Checked();
  row.ColorIndex = frame.CB1.SelectedIndex();
  row.LineTypeIndex = frame.CB2.SelectedIndex();
  row.LineWidth = ApplyLineWidthRule(MyFunc::TextToInt(frame.CB3.Text()));
  return row;
}

void ShowRow(const TLineRow& row, TFrame2& frame) {
  frame.CH1.SetChecked(row.DrawOn);
  frame.Edit1.SetText(MyFunc::FormatReal(row.Spacing));
  frame.Edit2.SetText(MyFunc::FormatReal(row.Radius));
  frame.CH2.SetChecked(row.PaperSize);
  frame.CB1.SetSelectedIndex(IndexWithin(row.ColorIndex, frame.CB1));
  frame.CB2.SetSelectedIndex(IndexWithin(row.LineTypeIndex, frame.CB2));
  frame.CB3.SetText(std::to_string(row.LineWidth));
}

}  // namespace

TForm1::TForm1(DialogControls controls, PresetStore& store, std::filesystem::path settingsFileName)
    : controls_(controls), store_(store), settingsFileName_(std::move(settingsFileName)) {
  controls_.Memo1.SetText(JoinedHelpText());
}

void TForm1::OpenSettings() {
  controls_.Form.MoveTo(store_.FormLeft, store_.FormTop);
  for (TFrame2& frame : controls_.Frames) FillLineRowLists(frame);
  controls_.TabControl1.SetTabIndex(store_.CurrentPreset - 1);
  ShowPage(store_.CurrentPreset);
}

void TForm1::ReadPage(int number) {
  if (!IsPresetNumber(number)) return;
  TLineTable& preset = store_.Preset(number);
  preset.Comment = controls_.EditC.Text();
  for (int r = 0; r < kRowsPerPreset; ++r) {
    preset.Lines[static_cast<std::size_t>(r)] =
        ReadRow(controls_.Frames[static_cast<std::size_t>(r)]);
  }
}

void TForm1::ShowPage(int number) {
  if (!IsPresetNumber(number)) return;
  const TLineTable& preset = store_.Preset(number);
  controls_.EditC.SetText(preset.Comment);
  for (int r = 0; r < kRowsPerPreset; ++r) {
    ShowRow(preset.Lines[static_cast<std::size_t>(r)],
            controls_.Frames[static_cast<std::size_t>(r)]);
  }
}

void TForm1::TabControl1Changing() { ReadPage(SelectedPresetNumber()); }

void TForm1::TabControl1Change() { ShowPage(SelectedPresetNumber()); }

void TForm1::Button1Click() {
  store_.FormLeft = controls_.Form.Left();
  store_.FormTop = controls_.Form.Top();
  store_.CurrentPreset = SelectedPresetNumber();
  ReadPage(store_.CurrentPreset);
  // A failed save keeps the previous file intact; the dialog closes either way.
  SaveSettings(store_, settingsFileName_);
  controls_.Form.Close();
}

void TForm1::Button2Click() { controls_.Form.Close(); }

int TForm1::SelectedPresetNumber() const {
  // The tab strip always has a tab selected; the clamp only keeps the number a preset's.
  return std::clamp(controls_.TabControl1.TabIndex(), 0, kPresetCount - 1) + 1;
}

}  // namespace tq58::ui
