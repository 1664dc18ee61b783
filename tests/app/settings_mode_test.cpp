// Settings mode from start to end, its dialog on controls in memory: which settings file the
// dialog opens on and writes, and that a failing dialog leaves both files as they were.
#include "app/settings_mode.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <new>
#include <string>

#include "presets/settings_file.h"
#include "support/files.h"
#include "support/real_faults.h"
#include "ui/memory_controls.h"

namespace {

using tq58::ui::TForm1;
using tq58::ui::testing::MemoryDialog;

// The dialog on controls in memory: it opens as the window does, then `user` acts on it.
template <typename User>
tq58::SettingsDialog MemoryDialogRun(User user) {
  return [user](tq58::PresetStore& store, const std::filesystem::path& settingsFile,
                const tq58::util::ReadResult& settingsRead) {
    MemoryDialog view;
    TForm1 dialog(view.Controls(), store, settingsFile, settingsRead);
    dialog.OpenSettings();
    dialog.WindowShown();
    user(dialog, view);
  };
}

TEST(SettingsMode, OpensOnTheSettingsFileBesideTheProgramAndOkWritesIt) {
  // This test program stands in for tq58: its settings file is its own name with ".dat".
  const std::filesystem::path settingsFile = tq58::SettingsFileName(tq58::ProgramFile());
  tq58::PresetStore stored;
  stored.CurrentPreset = 4;
  stored.Preset(4).Comment = "beside";
  ASSERT_TRUE(tq58::SaveSettings(stored, settingsFile));

  std::string shownComment;
  tq58::RunSettingsModeBesideProgram(MemoryDialogRun([&](TForm1& dialog, MemoryDialog& view) {
    shownComment = view.comment.Text();
    view.UserSelectsTab(dialog, 6);
    view.comment.SetText("changed");
    dialog.Button1Click();
  }));
  tq58::PresetStore saved;
  tq58::LoadSettings(saved, settingsFile);
  std::filesystem::remove(settingsFile);

  EXPECT_EQ(shownComment, "beside");
  EXPECT_EQ(saved.CurrentPreset, 7);
  EXPECT_EQ(saved.Preset(7).Comment, "changed");
}

TEST(SettingsMode, AFailingDialogIsCaughtAndLeavesBothFilesAsTheyWere) {
  const tq58_test::TempFolder folder;
  const tq58::ProgramFiles files = tq58::ProgramFilesBeside(folder.Path() / "tq58");
  const std::string exchange = "lg4\r\nly7\r\nhp1 1 2\r\n";
  const std::string settings = tq58_test::SettingsFileText(3, 3, {});
  tq58_test::WriteBytes(files.ExchangeFile, exchange);
  tq58_test::WriteBytes(files.SettingsFile, settings);

  const tq58::SettingsDialog failing = MemoryDialogRun([](TForm1&, MemoryDialog& view) {
    view.comment.SetText("never stored");
    throw std::bad_alloc();
  });
  EXPECT_NO_THROW(tq58::RunSettingsMode(files, failing));
  EXPECT_EQ(tq58_test::ReadBytes(files.ExchangeFile), exchange);
  EXPECT_EQ(tq58_test::ReadBytes(files.SettingsFile), settings);
}

TEST(SettingsMode, TheDialogIsToldThatTheSettingsFileCouldNotBeRead) {
  const tq58_test::TempFolder folder;
  const tq58::ProgramFiles files = tq58::ProgramFilesBeside(folder.Path() / "tq58");
  std::filesystem::create_symlink(tq58::faults::kFailingReadFile, files.SettingsFile);
  std::size_t warnings = 0;
  tq58::RunSettingsMode(files, MemoryDialogRun([&](TForm1&, MemoryDialog& view) {
                          warnings = view.form.warnings.size();
                        }));
  EXPECT_EQ(warnings, 1u);
}

}  // namespace
