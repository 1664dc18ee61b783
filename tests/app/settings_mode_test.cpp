// Settings mode from start to end, its dialog on controls in memory: which settings file the
// dialog opens on and writes, and what a failing dialog leaves behind.
#include "app/settings_mode.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <new>
#include <string>

#include "multiline/settings_file.h"
#include "support/files.h"
#include "ui/memory_controls.h"
#include "ui/settings_dialog.h"

namespace {

namespace fs = std::filesystem;
using tq58::PresetStore;
using tq58::ui::TForm1;
using tq58::ui::testing::MemoryDialog;

// What the dialog showed when it opened, and where it was told to save.
struct Opening {
  int TabIndex = -1;
  std::string Comment;
  fs::path SettingsFile;
};

// The dialog on controls in memory: it opens as the window does, notes what it shows, and
// then the user acts on it.
tq58::SettingsDialog MemoryDialogRun(Opening& opening,
                                     std::function<void(TForm1&, MemoryDialog&)> user) {
  return [&opening, user](PresetStore& store, const fs::path& settingsFile) {
    MemoryDialog view;
    TForm1 dialog(view.Controls(), store, settingsFile);
    dialog.OpenSettings();
    opening = {view.tabs.TabIndex(), view.comment.Text(), settingsFile};
    user(dialog, view);
  };
}

TEST(SettingsModeBesideProgram, OpensOnTheSettingsFileBesideTheProgramAndOkWritesIt) {
  // This test program stands in for tq58: its settings file is its own name with ".dat".
  const fs::path settingsFile = tq58::SettingsFileName(tq58::ProgramFile());
  PresetStore stored;
  stored.CurrentPreset = 4;
  stored.Preset(4).Comment = "beside";
  ASSERT_TRUE(tq58::SaveSettings(stored, settingsFile));

  Opening opening;
  tq58::RunSettingsModeBesideProgram(
      MemoryDialogRun(opening, [](TForm1& dialog, MemoryDialog& view) {
        view.UserSelectsTab(dialog, 6);
        view.comment.SetText("changed");
        dialog.Button1Click();
      }));
  PresetStore saved;
  tq58::LoadSettings(saved, settingsFile);
  fs::remove(settingsFile);

  EXPECT_EQ(opening.SettingsFile, settingsFile);
  EXPECT_EQ(opening.TabIndex, 3);
  EXPECT_EQ(opening.Comment, "beside");
  EXPECT_EQ(saved.CurrentPreset, 7);
  EXPECT_EQ(saved.Preset(7).Comment, "changed");
  EXPECT_EQ(saved.Preset(4).Comment, "beside");
}

TEST(SettingsMode, AFailingDialogIsCaughtAndLeavesBothFilesAsTheyWere) {
  const tq58_test::TempFolder folder;
  const tq58::ProgramFiles files{folder.Path() / "JWC_TEMP.TXT", folder.Path() / "tq58.dat"};
  const std::string exchange = "lg4\r\nly7\r\nhp1 1 2\r\n";
  const std::string settings = tq58_test::SettingsFileText(3, 3, {});
  tq58_test::WriteBytes(files.ExchangeFile, exchange);
  tq58_test::WriteBytes(files.SettingsFile, settings);

  Opening opening;
  EXPECT_NO_THROW(
      tq58::RunSettingsMode(files, MemoryDialogRun(opening, [](TForm1&, MemoryDialog& view) {
                              view.comment.SetText("never stored");
                              throw std::bad_alloc();
                            })));

  EXPECT_EQ(opening.TabIndex, 2);
  EXPECT_EQ(tq58_test::ReadBytes(files.ExchangeFile), exchange);
  EXPECT_EQ(tq58_test::ReadBytes(files.SettingsFile), settings);
}

}  // namespace
