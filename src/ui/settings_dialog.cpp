// Opening, page handling, tab changes and the two buttons of the settings dialog.
#include "ui/settings_dialog.h"

#include <algorithm>
#include <string>
#include <utility>

#include "presets/settings_file.h"
#include "ui/help_text.h"
#include "ui/line_row_binding.h"
#include "ui/page_preview.h"
#include "ui/save_messages.h"
#include "util/host_limits.h"
#include "util/line_break.h"
#include "util/system_text.h"
#include "util/text_file.h"

namespace tq58::ui {
namespace {

using util::IsPresetNumber;

}  // namespace

TForm1::TForm1(DialogControls controls, PresetStore& store, std::filesystem::path settingsFileName,
               util::ReadResult settingsRead)
    : controls_(controls),
      store_(store),
      settingsFileName_(std::move(settingsFileName)),
      settingsRead_(std::move(settingsRead)) {
  controls_.Memo1.SetText(util::JoinedLines(kHelpTextLines));
}

void TForm1::OpenSettings() {
  controls_.Form.MoveTo(store_.FormLeft, store_.FormTop);
  for (TFrame2& frame : controls_.Frames) FillLineRowLists(frame);
  FillPresetOptionLists(controls_.Options);
  controls_.TabControl1.SetTabIndex(store_.CurrentPreset - 1);
  ShowPage(store_.CurrentPreset);
  settingsAsRead_ = util::ReadWholeFile(settingsFileName_);
}

void TForm1::WindowShown() {
  if (SettingsFileUnread()) {
    controls_.Form.ShowWarning(LoadFailedMessage(util::PathText(settingsFileName_), settingsRead_));
  }
}

void TForm1::ReadPage(int number) {
  if (!IsPresetNumber(number)) return;
  store_.Preset(number) = PageOnDisplay();
}

TLineTable TForm1::PageOnDisplay() const {
  TLineTable page;
  page.Comment = controls_.EditC.Text();
  for (int r = 0; r < kRowsPerPreset; ++r) {
    page.Lines[static_cast<std::size_t>(r)] =
        ReadLineRow(controls_.Frames[static_cast<std::size_t>(r)]);
  }
  page.Options = ReadPresetOptions(controls_.Options);
  return page;
}

void TForm1::ShowPage(int number) {
  if (!IsPresetNumber(number)) return;
  const TLineTable& preset = store_.Preset(number);
  fillingControls_ = true;
  controls_.EditC.SetText(preset.Comment);
  for (int r = 0; r < kRowsPerPreset; ++r) {
    ShowLineRow(preset.Lines[static_cast<std::size_t>(r)],
                controls_.Frames[static_cast<std::size_t>(r)]);
  }
  ShowPresetOptions(preset.Options, controls_.Options);
  GreyUnusedRadii(controls_.Options, controls_.Frames);
  fillingControls_ = false;
  RedrawPreview();
}

void TForm1::TabControl1Changing() { ReadPage(SelectedPresetNumber()); }

void TForm1::TabControl1Change() { ShowPage(SelectedPresetNumber()); }

void TForm1::CornerModeListChange() {
  GreyUnusedRadii(controls_.Options, controls_.Frames);
  RedrawPreview();
}

void TForm1::FillColorButtonClick() {
  ColorSwatch& swatch = controls_.Options.FillColorSwatch;
  const std::optional<int32_t> chosen = controls_.Form.PickColor(swatch.Color());
  if (!chosen) return;
  swatch.SetColor(*chosen);
  RedrawPreview();
}

void TForm1::PageEdited() {
  if (!fillingControls_) RedrawPreview();
}

void TForm1::RedrawPreview() { controls_.Preview.Show(PagePreviewScene(PageOnDisplay())); }

void TForm1::Button1Click() {
  store_.FormLeft = controls_.Form.Left();
  store_.FormTop = controls_.Form.Top();
  store_.CurrentPreset = SelectedPresetNumber();
  ReadPage(store_.CurrentPreset);
  if (!MayOverwriteSettingsFile()) return;
  const util::WriteResult saved = SaveSettings(store_, settingsFileName_);
  if (!saved) {
    // The previous file is as it was, and every edit is still in the dialog.
    controls_.Form.ShowWarning(SaveFailedMessage(util::PathText(settingsFileName_), saved));
    return;
  }
  controls_.Form.Close();
}

void TForm1::Button2Click() { controls_.Form.Close(); }

bool TForm1::MayOverwriteSettingsFile() {
  std::optional<std::string> now = util::ReadWholeFile(settingsFileName_);
  const std::string path = util::PathText(settingsFileName_);
  if (SettingsFileUnread()) {
    // Saving replaces presets that the dialog never showed with the ones on screen.
    if (!controls_.Form.AskYesNo(ReplaceUnreadQuestion(path))) return false;
    settingsRead_ = {};
  } else {
    // A file that is gone or cannot be read holds no other run's presets to lose.
    if (!now || now == settingsAsRead_) return true;
    if (!controls_.Form.AskYesNo(OverwriteQuestion(path))) return false;
  }
  // The user chose to replace this version: OK asks again only if it changes once more.
  settingsAsRead_ = std::move(now);
  return true;
}

bool TForm1::SettingsFileUnread() const {
  return settingsRead_.Unreadable() && settingsRead_.Failure != util::ReadFailure::FolderInTheWay;
}

int TForm1::SelectedPresetNumber() const {
  // The tab strip always has a tab selected; the clamp only keeps the number a preset's.
  return std::clamp(controls_.TabControl1.TabIndex(), 0, kPresetCount - 1) + 1;
}

}  // namespace tq58::ui
