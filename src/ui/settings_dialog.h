// TForm1: the settings dialog's behaviour, in which the user edits the 20 presets page by page.
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "presets/presets.h"
#include "ui/controls.h"
#include "ui/line_row_frame.h"
#include "ui/preset_options_panel.h"
#include "util/text_file.h"

namespace tq58::ui {

// The controls of the dialog that its behaviour touches; the view owns them.
struct DialogControls {
  FormWindow& Form;
  Memo& Memo1;
  TabStrip& TabControl1;                      // tab index 0..19 shows preset 1..20
  EditBox& EditC;                             // the comment of the preset on display
  std::span<TFrame2, kRowsPerPreset> Frames;  // Frame21 .. Frame210, top to bottom
  PresetOptionControls Options;               // the options of the preset on display
  PreviewArea& Preview;                       // draws the page on display
};

// The dialog over the preset table. The controls on screen always hold the preset of the
// selected tab; every other preset lives only in `store` until OK writes the settings file.
class TForm1 {
 public:
  // Puts the help text into Memo1, as the window has it from its creation. `settingsRead` is
  // how loading the settings file into `store` went.
  TForm1(DialogControls controls, PresetStore& store, std::filesystem::path settingsFileName,
         util::ReadResult settingsRead);

  // Opening in settings mode: moves the window to the stored position, fills the ten rows and
  // the options' lists, selects the tab of CurrentPreset (raising no tab event) and shows that
  // preset. Notes the settings file's bytes, to tell at OK whether another run has saved it
  // meanwhile.
  void OpenSettings();
  // After the window has appeared: when the settings file is there but could not be read, says
  // why and that the presets shown are the start values. A folder at the file's path is told
  // by OK, which cannot save there.
  void WindowShown();

  // Copies EditC, the ten rows and the options into preset `number` (1..20), applying the
  // range rules of the table; the controls keep what the user typed. Other numbers are ignored.
  void ReadPage(int number);
  // Copies preset `number` (1..20) into EditC, the ten rows and the options, greys the radius
  // boxes that its corner mode leaves unused and draws the page in the preview. Other numbers
  // are ignored.
  void ShowPage(int number);

  // Before the user changes the tab, while the old one is still selected: stores its page.
  void TabControl1Changing();
  // After the user changed the tab: shows the new tab's preset.
  void TabControl1Change();

  // After the user chose another corner mode: greys the radius boxes it leaves unused and
  // draws the page anew, at once.
  void CornerModeListChange();

  // The fill colour's button: opens the colour chooser at the colour in the swatch; a colour
  // chosen goes into the swatch and the preview at once, and cancelling changes nothing. The
  // fill box is left as it is: a colour may be chosen before the fill is ticked.
  void FillColorButtonClick();

  // After the user changed any value of the page (typed, ticked or chose): draws the page as
  // the controls hold it now, without storing it. Ignored while the program itself fills the
  // controls, before the first page is shown and within ShowPage.
  void PageEdited();

  // OK: stores the window position, the selected tab as CurrentPreset and the page on
  // display, writes the settings file and closes the window. If the file could not be read at
  // opening, or another run has saved it since, it first asks whether to overwrite it. If the
  // file cannot be written, it says why, and the dialog stays open with every edit, so that the
  // user can mend the cause and press OK again, or cancel.
  void Button1Click();
  // Cancel (and the close box): closes the window; nothing is stored.
  void Button2Click();

 private:
  int SelectedPresetNumber() const;
  // The page as the controls hold it, with the range rules of the table applied.
  TLineTable PageOnDisplay() const;
  void RedrawPreview();
  // True when the settings file was there at opening but could not be read, so that it may
  // hold presets the dialog never showed; a folder at its path holds none.
  bool SettingsFileUnread() const;
  // True unless the settings file could not be read at opening, or holds bytes that differ
  // from those the dialog read, and the user declines to overwrite it.
  bool MayOverwriteSettingsFile();

  DialogControls controls_;
  PresetStore& store_;
  std::filesystem::path settingsFileName_;
  util::ReadResult settingsRead_;              // unreadable until the user agrees to replace it
  std::optional<std::string> settingsAsRead_;  // the file's bytes; none when it had none
  // True while the controls are being filled by the program rather than edited by the user.
  bool fillingControls_ = true;
};

}  // namespace tq58::ui
