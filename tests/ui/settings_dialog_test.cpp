// The settings dialog's behaviour on in-memory controls: opening, page handling across tab
// changes, what OK and cancel store, and what OK tells when it cannot simply save.
#include "ui/settings_dialog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <utility>

#include "memory_controls.h"
#include "presets/settings_file.h"
#include "sjis.h"
#include "support/files.h"
#include "support/real_faults.h"
#include "ui/help_text.h"

namespace tq58::ui {
namespace {

using testing::MemoryDialog;
using testing::MemoryRow;
using testing::Sjis;
using tq58_test::ReadBytes;

// A fresh folder with the settings file's path in it, and one dialog run on it.
class SettingsDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { settingsFile_ = folder_ / "tq58.dat"; }

  // Starts a run as the program does: the settings are loaded, then the dialog opens.
  TForm1& Open() {
    view_ = std::make_unique<MemoryDialog>();
    store_ = std::make_unique<PresetStore>();
    util::ReadResult read = LoadSettings(*store_, settingsFile_);
    dialog_ = std::make_unique<TForm1>(view_->Controls(), *store_, settingsFile_, std::move(read));
    dialog_->OpenSettings();
    dialog_->WindowShown();
    return *dialog_;
  }

  // Writes a settings file holding `store`.
  void StoreFile(PresetStore store) { ASSERT_TRUE(SaveSettings(store, settingsFile_)); }

  PresetStore LoadFile() const {
    PresetStore store;
    LoadSettings(store, settingsFile_);
    return store;
  }

  MemoryDialog& View() { return *view_; }
  PresetStore& Store() { return *store_; }

  tq58_test::TempFolder temp_;
  const std::filesystem::path folder_ = temp_.Path();
  std::filesystem::path settingsFile_;

 private:
  std::unique_ptr<MemoryDialog> view_;
  std::unique_ptr<PresetStore> store_;
  std::unique_ptr<TForm1> dialog_;
};

TEST_F(SettingsDialogTest, OpensWithoutSettingsFileOnTheFirstTabAtTheDefaultPosition) {
  Open();
  EXPECT_EQ(View().form.Left(), 100);
  EXPECT_EQ(View().form.Top(), 100);
  EXPECT_EQ(View().tabs.TabIndex(), 0);
  EXPECT_EQ(View().comment.Text(), "");
  for (const MemoryRow& row : View().rows) {
    EXPECT_FALSE(row.CH1.Checked());
    EXPECT_EQ(row.Edit1.Text(), "0");
    EXPECT_EQ(row.Edit2.Text(), "0");
    EXPECT_FALSE(row.CH2.Checked());
    EXPECT_EQ(row.CB1.Text(), Sjis("現在線色"));
    EXPECT_EQ(row.CB2.Text(), Sjis("現在線種"));
    EXPECT_EQ(row.CB3.Text(), "-1");
  }
  EXPECT_FALSE(std::filesystem::exists(settingsFile_));
  EXPECT_TRUE(View().form.warnings.empty()) << "a missing file is no fault";
}

TEST_F(SettingsDialogTest, HelpTextHasItsLinesSeparatedByCrLf) {
  Open();
  std::string expected;
  for (std::string_view line : kHelpTextLines) expected += std::string(line) + "\r\n";
  expected.resize(expected.size() - 2);
  EXPECT_EQ(View().memo.Text(), expected);
  EXPECT_EQ(kHelpTextLines[0], Sjis("◆項目の最初のチェックは"));
  EXPECT_EQ(kHelpTextLines[11], Sjis("◆レイヤ欄の「現在」は"));
  EXPECT_EQ(kHelpTextLines[18], Sjis("　0～30000まで指示可能"));
  EXPECT_EQ(kHelpTextLines[21], Sjis("◆角の丸め「線ごとのＲ」"));
  EXPECT_EQ(kHelpTextLines[23], Sjis("◆「同心円」は全線の角を"));
  EXPECT_EQ(kHelpTextLines[32], Sjis("◆始端・終端：開いた線の"));
  EXPECT_EQ(kHelpTextLines[36], Sjis("　「同心円弧」は外側から"));
  EXPECT_EQ(kHelpTextLines[39], Sjis("◆交差部「整える」は"));
  EXPECT_EQ(kHelpTextLines[42], Sjis("◆塗り：チェックすると"));
  EXPECT_EQ(kHelpTextLines[47], Sjis("　塗りは「塗りレイヤ」の"));
  EXPECT_EQ(kHelpTextLines[49], Sjis("◆角の丸め・始端・終端・"));
  EXPECT_EQ(kHelpTextLines[50], Sjis("　交差部・塗りも"));
  EXPECT_EQ(kHelpTextLines[52], Sjis("　"));
  EXPECT_EQ(kHelpTextLines[58], Sjis("　Jw_cadのインストール・"));
  EXPECT_EQ(kHelpTextLines[61], Sjis("　場合があります。"));
}

TEST_F(SettingsDialogTest, OpensOnTheStoredTabAndPositionWithoutTouchingOtherPresets) {
  PresetStore stored;
  stored.FormLeft = -1200;
  stored.FormTop = 40;
  stored.CurrentPreset = 4;
  stored.Preset(1).Comment = "first";
  stored.Preset(1).Lines[0] = {true, 3, 1, false, 2, 2, 50};
  stored.Preset(4).Comment = Sjis("外壁");
  stored.Preset(4).Lines[9] = {true, -5, 2.5, true, 265, 50, 30000};
  StoreFile(stored);

  Open();
  EXPECT_EQ(View().form.Left(), -1200);
  EXPECT_EQ(View().form.Top(), 40);
  EXPECT_EQ(View().tabs.TabIndex(), 3);
  EXPECT_EQ(View().comment.Text(), Sjis("外壁"));
  const MemoryRow& row = View().Row(10);
  EXPECT_TRUE(row.CH1.Checked());
  EXPECT_EQ(row.Edit1.Text(), "-5");
  EXPECT_EQ(row.Edit2.Text(), "2.5");
  EXPECT_TRUE(row.CH2.Checked());
  EXPECT_EQ(row.CB1.Text(), "SXF-256");
  EXPECT_EQ(row.CB2.Text(), "SXF-32");
  EXPECT_EQ(row.CB3.Text(), "30000");
  // Selecting the stored tab is no tab change: preset 1 was not overwritten by empty rows.
  EXPECT_EQ(Store().Preset(1).Comment, "first");
  EXPECT_TRUE(Store().Preset(1).Lines[0].DrawOn);
}

TEST_F(SettingsDialogTest, IndexOutsideTheListShowsNothingSelectedAndStoresMinusOne) {
  PresetStore stored;
  stored.Preset(1).Lines[2].ColorIndex = 300;
  stored.Preset(1).Lines[2].LineTypeIndex = -7;
  StoreFile(stored);

  TForm1& dialog = Open();
  EXPECT_EQ(View().Row(3).CB1.SelectedIndex(), -1);
  EXPECT_EQ(View().Row(3).CB1.Text(), "");
  EXPECT_EQ(View().Row(3).CB2.SelectedIndex(), -1);
  View().UserSelectsTab(dialog, 1);
  EXPECT_EQ(Store().Preset(1).Lines[2].ColorIndex, -1);
  EXPECT_EQ(Store().Preset(1).Lines[2].LineTypeIndex, -1);
}

// A value typed into a row, and what the row shows after leaving the tab and coming back.
struct ReshownCase {
  const char* name;
  const char* spacing;
  const char* radius;
  const char* width;
  const char* shownSpacing;
  const char* shownRadius;
  const char* shownWidth;
};

class ReshownValueTest : public SettingsDialogTest,
                         public ::testing::WithParamInterface<ReshownCase> {};

TEST_P(ReshownValueTest, IsShownAsStoredAfterComingBack) {
  const ReshownCase& c = GetParam();
  TForm1& dialog = Open();
  MemoryRow& row = View().Row(6);
  row.Edit1.SetText(c.spacing);
  row.Edit2.SetText(c.radius);
  row.CB3.SetText(c.width);
  View().UserSelectsTab(dialog, 12);
  // Storing changes nothing on screen; the page was replaced by preset 13's.
  EXPECT_EQ(row.Edit1.Text(), "0");
  View().UserSelectsTab(dialog, 0);
  EXPECT_EQ(row.Edit1.Text(), c.shownSpacing);
  EXPECT_EQ(row.Edit2.Text(), c.shownRadius);
  EXPECT_EQ(row.CB3.Text(), c.shownWidth);
}

INSTANTIATE_TEST_SUITE_P(
    TypedValues, ReshownValueTest,
    ::testing::Values(ReshownCase{"TrailingZero", "2.50", "1.50", "15", "2.5", "1.5", "15"},
                      ReshownCase{"NegativeRadius", "-5", "-1", "30000", "-5", "0", "30000"},
                      ReshownCase{"WidthAboveRange", "0.0", "0.0", "40000", "0", "0", "-1"},
                      ReshownCase{"WidthBelowRange", "1e3", "1E-5", "-2", "1000", "1E-5", "-1"},
                      ReshownCase{"NotNumbers", "NaN", "inf", "abc", "0", "0", "0"},
                      ReshownCase{"Empty", "", "", "", "0", "0", "0"},
                      ReshownCase{"BeyondDouble", "1e400", "-1e400", "99999999999", "0", "0", "0"},
                      ReshownCase{"Blanks", " 7", "3 ", " 20", "7", "0", "20"},
                      ReshownCase{"HostWidth", "0.1", "0.00001", "-1", "0.1", "1E-5", "-1"}),
    [](const ::testing::TestParamInfo<ReshownCase>& info) { return std::string(info.param.name); });

TEST_F(SettingsDialogTest, TypedTextStaysOnScreenUntilThePageIsShownAgain) {
  TForm1& dialog = Open();
  View().Row(1).Edit2.SetText("-3");
  dialog.ReadPage(1);
  EXPECT_EQ(View().Row(1).Edit2.Text(), "-3");
  EXPECT_EQ(Store().Preset(1).Lines[0].Radius, 0.0);
}

// The boxes that the corner mode on screen uses are live, the others greyed: each row's
// radius in per-row mode, the base radius with its label and paper-size box in concentric mode.
void ExpectLiveRadiiOf(const MemoryDialog& view, CornerMode mode) {
  const bool concentric = mode == CornerMode::Concentric;
  for (const MemoryRow& row : view.rows) EXPECT_EQ(row.Edit2.Enabled(), !concentric);
  EXPECT_EQ(view.options.BaseRadiusLabel.Enabled(), concentric);
  EXPECT_EQ(view.options.BaseRadiusEdit.Enabled(), concentric);
  EXPECT_EQ(view.options.BaseRadiusPaperSize.Enabled(), concentric);
}

TEST_F(SettingsDialogTest, OptionsAreThePresetsAndTheCornerModeGreysAtOnce) {
  PresetStore stored;
  stored.CurrentPreset = 2;
  stored.Preset(2).Options = {
      CornerMode::Concentric, 6000, true, CapStyle::Arc, CapStyle::ConcentricArc,
      JunctionMode::Clean,    true, 255};
  StoreFile(stored);

  TForm1& dialog = Open();
  const auto& options = View().options;
  EXPECT_EQ(options.CornerModeList.Text(), Sjis("同心円"));
  EXPECT_EQ(options.BaseRadiusEdit.Text(), "6000");
  EXPECT_TRUE(options.BaseRadiusPaperSize.Checked());
  EXPECT_EQ(options.StartCapList.Text(), Sjis("円弧"));
  EXPECT_EQ(options.EndCapList.Text(), Sjis("同心円弧"));
  EXPECT_EQ(options.JunctionList.Text(), Sjis("整える"));
  EXPECT_TRUE(options.FillBox.Checked());
  EXPECT_EQ(options.FillColorSwatch.Color(), 255);
  ExpectLiveRadiiOf(View(), CornerMode::Concentric);

  View().UserSelectsTab(dialog, 0);
  EXPECT_EQ(options.CornerModeList.Text(), Sjis("線ごとのＲ"));
  EXPECT_EQ(options.BaseRadiusEdit.Text(), "0");
  EXPECT_FALSE(options.BaseRadiusPaperSize.Checked());
  EXPECT_EQ(options.EndCapList.Text(), Sjis("なし"));
  EXPECT_EQ(options.JunctionList.Text(), Sjis("重ねる"));
  EXPECT_FALSE(options.FillBox.Checked());
  EXPECT_EQ(options.FillColorSwatch.Color(), kDefaultFillColor);
  ExpectLiveRadiiOf(View(), CornerMode::PerRow);
  View().UserSelectsCornerMode(dialog, 1);
  ExpectLiveRadiiOf(View(), CornerMode::Concentric);
  View().UserSelectsCornerMode(dialog, 0);
  ExpectLiveRadiiOf(View(), CornerMode::PerRow);
}

// The choices reach the file under the options' rules; a row's radius greyed by concentric
// corners keeps its value for a return to per-row corners.
TEST_F(SettingsDialogTest, OkStoresTheOptionsChosenUnderTheirRulesAndTheGreyedRadii) {
  TForm1& dialog = Open();
  View().Row(2).Edit2.SetText("4");
  View().UserSelectsCornerMode(dialog, 1);
  View().options.BaseRadiusEdit.SetText("7.50");
  View().options.BaseRadiusPaperSize.SetChecked(true);
  View().options.StartCapList.SetSelectedIndex(2);
  View().options.EndCapList.SetSelectedIndex(1);
  View().options.JunctionList.SetSelectedIndex(1);
  View().UserSelectsTab(dialog, 1);
  View().UserSelectsCornerMode(dialog, 1);
  View().options.BaseRadiusEdit.SetText("-3");
  Store().Preset(3).Options.EndCap = static_cast<CapStyle>(7);
  Store().Preset(3).Options.Junctions = static_cast<JunctionMode>(-1);
  View().UserSelectsTab(dialog, 2);
  EXPECT_EQ(View().options.EndCapList.SelectedIndex(), -1);
  EXPECT_EQ(View().options.JunctionList.SelectedIndex(), -1);
  View().UserSelectsTab(dialog, 0);
  EXPECT_EQ(View().options.BaseRadiusEdit.Text(), "7.5");
  EXPECT_EQ(Store().Preset(2).Options.BaseRadius, 0.0);
  EXPECT_EQ(Store().Preset(3).Options, TPresetOptions{});
  dialog.Button1Click();

  const PresetStore saved = LoadFile();
  EXPECT_EQ(saved.Preset(1).Options,
            (TPresetOptions{CornerMode::Concentric, 7.5, true, CapStyle::Arc, CapStyle::Line,
                            JunctionMode::Clean}));
  EXPECT_EQ(saved.Preset(1).Lines[1].Radius, 4.0);
}

// A layer shows as its digit or 「現在」, and OK stores the entry chosen.
TEST_F(SettingsDialogTest, LayersShowAsTheirEntriesAndOkStoresThoseChosen) {
  PresetStore stored;
  stored.Preset(1).Lines[0].Layer = 15;
  stored.Preset(1).Options.FillLayer = 7;
  StoreFile(stored);
  TForm1& dialog = Open();
  EXPECT_EQ(View().Row(1).CB4.Text(), "F");
  EXPECT_EQ(View().Row(2).CB4.Text(), Sjis("現在"));
  EXPECT_EQ(View().options.FillLayerList.Text(), "7");
  View().Row(3).CB4.SetSelectedIndex(1);
  View().options.FillLayerList.SetSelectedIndex(0);
  dialog.Button1Click();
  const TLineTable saved = LoadFile().Preset(1);
  EXPECT_EQ(saved.Lines[0].Layer, 15);
  EXPECT_EQ(saved.Lines[2].Layer, 0);
  EXPECT_EQ(saved.Options.FillLayer, kCurrentLayer);
}

// The colour button opens the chooser at the swatch's colour; a choice reaches the swatch and
// the preview at once and is kept with the fill box off, cancelling changes nothing.
TEST_F(SettingsDialogTest, FillColorIsChosenApartFromTheFillBox) {
  TForm1& dialog = Open();
  MemoryDialog& view = View();
  auto& form = view.form;
  form.colorAnswers = {std::nullopt, 0x00FF00, 0x0000FF};
  const std::size_t drawn = view.preview.shown.size();
  dialog.FillColorButtonClick();
  EXPECT_EQ(view.options.FillColorSwatch.Color(), kDefaultFillColor);
  EXPECT_EQ(view.preview.shown.size(), drawn) << "drawn anew after a cancel";
  dialog.FillColorButtonClick();
  EXPECT_EQ(view.options.FillColorSwatch.Color(), 0x00FF00);
  EXPECT_EQ(view.preview.shown.size(), drawn + 1);
  EXPECT_FALSE(view.options.FillBox.Checked());

  view.UserSelectsTab(dialog, 1);
  view.options.FillBox.SetChecked(true);
  dialog.FillColorButtonClick();
  view.options.EndCapList.SetSelectedIndex(3);
  view.UserSelectsTab(dialog, 0);
  EXPECT_EQ(view.options.FillColorSwatch.Color(), 0x00FF00) << "not kept on the tab";
  form.colorAnswers = {std::nullopt};
  dialog.FillColorButtonClick();
  EXPECT_EQ(form.colorsShownFirst, (std::vector<int32_t>{kDefaultFillColor, kDefaultFillColor,
                                                         kDefaultFillColor, 0x00FF00}));
  dialog.Button1Click();

  const PresetStore saved = LoadFile();
  EXPECT_FALSE(saved.Preset(1).Options.Fill);
  EXPECT_EQ(saved.Preset(1).Options.FillColor, 0x00FF00);
  EXPECT_TRUE(saved.Preset(2).Options.Fill);
  EXPECT_EQ(saved.Preset(2).Options.FillColor, 0x0000FF);
  EXPECT_EQ(saved.Preset(2).Options.EndCap, CapStyle::ConcentricArc);
}

TEST_F(SettingsDialogTest, OkOnTabSevenStoresPresetPositionAndPage) {
  TForm1& dialog = Open();
  View().UserSelectsTab(dialog, 6);
  View().comment.SetText(Sjis("道路境界"));
  MemoryRow& row = View().Row(2);
  row.CH1.SetChecked(true);
  row.Edit1.SetText("-2.5");
  row.Edit2.SetText("10");
  row.CH2.SetChecked(true);
  row.CB1.SetSelectedIndex(10);
  row.CB2.SetSelectedIndex(19);
  row.CB3.SetText("25");
  View().form.MoveTo(321, 654);  // the user dragged the window
  dialog.Button1Click();

  EXPECT_TRUE(View().form.Closed());
  const PresetStore saved = LoadFile();
  EXPECT_EQ(saved.CurrentPreset, 7);
  EXPECT_EQ(saved.FormLeft, 321);
  EXPECT_EQ(saved.FormTop, 654);
  EXPECT_EQ(saved.Preset(7).Comment, Sjis("道路境界"));
  const TLineRow& line = saved.Preset(7).Lines[1];
  EXPECT_TRUE(line.DrawOn);
  EXPECT_EQ(line.Spacing, -2.5);
  EXPECT_EQ(line.Radius, 10.0);
  EXPECT_TRUE(line.PaperSize);
  EXPECT_EQ(line.ColorIndex, 10);
  EXPECT_EQ(line.LineTypeIndex, 19);
  EXPECT_EQ(line.LineWidth, 25);

  // The next opening shows tab 7 where the window was confirmed.
  Open();
  EXPECT_EQ(View().tabs.TabIndex(), 6);
  EXPECT_EQ(View().form.Left(), 321);
  EXPECT_EQ(View().form.Top(), 654);
  EXPECT_EQ(View().Row(2).Edit1.Text(), "-2.5");
  EXPECT_EQ(View().Row(2).CB2.Text(), "SXF/" + Sjis("実線"));
}

TEST_F(SettingsDialogTest, CancelAfterEditsOnSeveralTabsWritesNothing) {
  PresetStore stored;
  stored.CurrentPreset = 2;
  stored.Preset(2).Comment = "kept";
  StoreFile(stored);
  const std::string before = ReadBytes(settingsFile_);

  TForm1& dialog = Open();
  View().comment.SetText("changed");
  View().Row(1).CH1.SetChecked(true);
  View().UserSelectsTab(dialog, 4);
  View().Row(4).Edit1.SetText("12");
  View().UserSelectsTab(dialog, 9);
  View().form.MoveTo(500, 500);
  dialog.Button2Click();

  EXPECT_TRUE(View().form.Closed());
  EXPECT_EQ(ReadBytes(settingsFile_), before);
  Open();
  EXPECT_EQ(View().tabs.TabIndex(), 1);
  EXPECT_EQ(View().comment.Text(), "kept");
}

TEST_F(SettingsDialogTest, CancelWithoutSettingsFileCreatesNone) {
  TForm1& dialog = Open();
  View().Row(1).Edit1.SetText("4");
  View().UserSelectsTab(dialog, 3);
  dialog.Button2Click();
  EXPECT_FALSE(std::filesystem::exists(settingsFile_));
}

TEST_F(SettingsDialogTest, EditsOnATabNeverLeftAreStoredOnlyByOk) {
  TForm1& dialog = Open();
  View().Row(3).Edit1.SetText("8");
  EXPECT_EQ(Store().Preset(1).Lines[2].Spacing, 0.0);  // nothing is stored while editing
  dialog.Button2Click();
  EXPECT_FALSE(std::filesystem::exists(settingsFile_));

  TForm1& second = Open();
  View().Row(3).Edit1.SetText("8");
  second.Button1Click();
  EXPECT_EQ(LoadFile().Preset(1).Lines[2].Spacing, 8.0);
}

TEST_F(SettingsDialogTest, TabChangesKeepEveryPageInMemoryUntilOk) {
  TForm1& dialog = Open();
  for (int tab = 0; tab < kPresetCount; ++tab) {
    View().UserSelectsTab(dialog, tab);
    View().Row(tab % kRowsPerPreset + 1).Edit1.SetText(std::to_string(tab + 1));
  }
  EXPECT_FALSE(std::filesystem::exists(settingsFile_));
  View().UserSelectsTab(dialog, 0);
  dialog.Button1Click();

  const PresetStore saved = LoadFile();
  EXPECT_EQ(saved.CurrentPreset, 1);
  for (int preset = 1; preset <= kPresetCount; ++preset) {
    const auto row = static_cast<std::size_t>((preset - 1) % kRowsPerPreset);
    EXPECT_EQ(saved.Preset(preset).Lines[row].Spacing, preset) << "preset " << preset;
  }
}

class OkWithoutEditsTest : public SettingsDialogTest, public ::testing::WithParamInterface<bool> {};

// Shown and stored again, every value keeps its bytes; a file without options gains none.
TEST_P(OkWithoutEditsTest, RewritesTheSameFile) {
  PresetStore stored;
  stored.FormLeft = 202;
  stored.FormTop = 107;
  stored.CurrentPreset = 20;
  stored.Preset(20).Comment = Sjis("①～⑳");
  stored.Preset(20).Lines[0] = {true, 1.25, 0.5, false, 3, 4, -1};
  stored.Preset(5).Lines[9] = {false, -1e-7, 0, true, 0, 0, 0};
  if (GetParam()) {
    stored.Preset(20).Options = {CornerMode::Concentric, 1e-7, true, CapStyle::Arc, CapStyle::Line};
    stored.Preset(5).Options = {CornerMode::PerRow, 2.5, false, CapStyle::None, CapStyle::Arc};
    stored.Preset(7).Options.Junctions = JunctionMode::Clean;
    stored.Preset(9).Options.Fill = true;
    stored.Preset(5).Options.FillColor = 1234567;
  }
  StoreFile(stored);
  const std::string before = ReadBytes(settingsFile_);

  TForm1& dialog = Open();
  View().UserSelectsTab(dialog, 4);
  View().UserSelectsTab(dialog, 19);
  dialog.Button1Click();
  EXPECT_EQ(ReadBytes(settingsFile_), before);
}

INSTANTIATE_TEST_SUITE_P(Files, OkWithoutEditsTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return std::string(info.param ? "WithOptions" : "RowsOnly");
                         });

// What stands in the way of OK, and the reason its message gives in plain words.
enum class SaveFault { FolderAtThePath, DiskFull };

struct SaveFaultCase {
  const char* name;
  SaveFault fault;
  const char* reason;  // UTF-8
};

class SaveFaultTest : public SettingsDialogTest,
                      public ::testing::WithParamInterface<SaveFaultCase> {};

// OK that cannot save says why and where, and the dialog stays open with every edit: once the
// cause is gone, OK again stores them. Until then the previous file stays byte for byte.
TEST_P(SaveFaultTest, OkTellsWhyAndKeepsTheDialogOpen) {
  const SaveFaultCase& c = GetParam();
  PresetStore previous;
  previous.Preset(2).Comment = "previous";
  StoreFile(previous);
  const std::string before = ReadBytes(settingsFile_);
  if (c.fault == SaveFault::FolderAtThePath) {
    std::filesystem::remove(settingsFile_);
    std::filesystem::create_directory(settingsFile_);
  }
  TForm1& dialog = Open();
  View().UserSelectsTab(dialog, 1);
  View().comment.SetText("edited");
  View().Row(3).Edit1.SetText("7.5");
  {
    std::optional<faults::ScopedFileSizeLimit> full;
    if (c.fault == SaveFault::DiskFull) full.emplace(100);
    dialog.Button1Click();
  }

  EXPECT_FALSE(View().form.Closed());
  ASSERT_EQ(View().form.warnings.size(), 1u);
  const UserMessage& shown = View().form.warnings[0];
  EXPECT_EQ(shown.Caption, Sjis("設定を保存できません"));
  EXPECT_NE(shown.Text.find(settingsFile_.string()), std::string::npos) << shown.Text;
  EXPECT_NE(shown.Text.find(Sjis(c.reason)), std::string::npos) << shown.Text;
  EXPECT_EQ(View().comment.Text(), "edited");
  if (c.fault == SaveFault::DiskFull) {
    EXPECT_EQ(ReadBytes(settingsFile_), before);
  }
  if (c.fault == SaveFault::FolderAtThePath) {
    EXPECT_TRUE(std::filesystem::is_empty(settingsFile_));
    std::filesystem::remove(settingsFile_);
  }

  dialog.Button1Click();
  EXPECT_TRUE(View().form.Closed());
  EXPECT_EQ(View().form.warnings.size(), 1u);
  const PresetStore saved = LoadFile();
  EXPECT_EQ(saved.Preset(2).Comment, "edited");
  EXPECT_EQ(saved.Preset(2).Lines[2].Spacing, 7.5);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, SaveFaultTest,
    ::testing::Values(SaveFaultCase{"FolderAtThePath", SaveFault::FolderAtThePath,
                                    "同じ名前のフォルダーがあるため、ファイルを作れません。"},
                      SaveFaultCase{"DiskFull", SaveFault::DiskFull,
                                    "ディスクの空き容量が足りません。"}),
    [](const ::testing::TestParamInfo<SaveFaultCase>& info) {
      return std::string(info.param.name);
    });

// The preview shows the page as the controls hold it: from the opening, after each edit of a
// value, after a choice of corner mode or of junctions and on another tab; the store keeps what
// it had until the tab changes. Edits announced before the first page is shown draw nothing.
TEST_F(SettingsDialogTest, PreviewFollowsEditsCornerModeAndTabsWithoutStoring) {
  PresetStore stored;
  stored.Preset(1).Lines[0] = {true, 5, 0, false, 0, 0, -1};
  stored.Preset(1).Lines[1] = {true, -5, 0, false, 8, 0, -1};
  StoreFile(stored);
  const auto lines = [this] { return View().preview.shown.back().commands; };
  const auto width = [](const std::vector<preview::StyledShape>& shapes) {
    preview::Scene only;
    only.commands = shapes;
    const preview::Bounds box = preview::SceneBounds(only);
    return box.max.y - box.min.y;
  };

  MemoryDialog early;
  PresetStore earlyStore;
  TForm1 notOpened(early.Controls(), earlyStore, settingsFile_, {});
  notOpened.PageEdited();
  EXPECT_TRUE(early.preview.shown.empty()) << "drawn before the first page was shown";

  TForm1& dialog = Open();
  ASSERT_EQ(View().preview.shown.size(), 1u);
  const auto opened = lines();
  EXPECT_FALSE(opened.empty());

  View().Row(1).Edit1.SetText("50");
  dialog.PageEdited();
  ASSERT_EQ(View().preview.shown.size(), 2u);
  EXPECT_GT(width(lines()), width(opened)) << "the wider spacing is not drawn";
  EXPECT_EQ(Store().Preset(1).Lines[0].Spacing, 5.0) << "an edit reached the store";

  View().options.JunctionList.SetSelectedIndex(1);
  dialog.PageEdited();
  ASSERT_EQ(View().preview.shown.size(), 3u);
  EXPECT_NE(lines().size(), View().preview.shown[1].commands.size()) << "junctions not cleaned";

  View().Row(1).CH1.SetChecked(false);
  View().Row(2).CB1.SetSelectedIndex(3);
  dialog.PageEdited();
  ASSERT_EQ(View().preview.shown.size(), 4u);
  for (const preview::StyledShape& shape : lines()) {
    ASSERT_TRUE(shape.stroke.host);
    EXPECT_EQ(shape.stroke.host->color, 3) << "only row 2 is drawn, in its new colour";
  }

  View().options.BaseRadiusEdit.SetText("20");
  View().UserSelectsCornerMode(dialog, 1);
  ASSERT_EQ(View().preview.shown.size(), 5u);
  EXPECT_NE(lines().size(), View().preview.shown[3].commands.size()) << "no rounded corners";

  View().UserSelectsTab(dialog, 1);
  EXPECT_TRUE(lines().empty()) << "preset 2 draws no row";
  EXPECT_EQ(Store().Preset(1).Lines[0].Spacing, 50.0);
}

// Two dialogs open at once: the one confirmed last asks before it drops the other's presets,
// and "no" leaves the other's file and keeps the dialog open.
TEST_F(SettingsDialogTest, OkAsksBeforeOverwritingAFileSavedMeanwhile) {
  TForm1& first = Open();
  View().comment.SetText("first");

  MemoryDialog otherView;
  PresetStore otherStore;
  TForm1 other(otherView.Controls(), otherStore, settingsFile_,
               LoadSettings(otherStore, settingsFile_));
  other.OpenSettings();
  otherView.comment.SetText("other");
  other.Button1Click();
  ASSERT_TRUE(otherView.form.Closed());
  const std::string othersFile = ReadBytes(settingsFile_);

  View().form.answers = {false};
  first.Button1Click();
  ASSERT_EQ(View().form.questions.size(), 1u);
  EXPECT_EQ(View().form.questions[0].Caption, Sjis("設定ファイルの上書き"));
  EXPECT_NE(View().form.questions[0].Text.find(settingsFile_.string()), std::string::npos);
  EXPECT_FALSE(View().form.Closed());
  EXPECT_EQ(ReadBytes(settingsFile_), othersFile);

  View().form.answers = {true};
  first.Button1Click();
  EXPECT_EQ(View().form.questions.size(), 2u);
  EXPECT_TRUE(View().form.Closed());
  EXPECT_EQ(LoadFile().Preset(1).Comment, "first");
}

// A file that is there but cannot be read is told when the window appears, and its presets
// are replaced only when the user says so: "no" keeps the file and the dialog with every edit.
TEST_F(SettingsDialogTest, AnUnreadableFileIsToldAndReplacedOnlyAfterAsking) {
  std::filesystem::create_symlink(faults::kFailingReadFile, settingsFile_);
  TForm1& dialog = Open();
  ASSERT_EQ(View().form.warnings.size(), 1u);
  const UserMessage& told = View().form.warnings[0];
  EXPECT_EQ(told.Caption, Sjis("設定を読み込めません"));
  for (const std::string& part : {settingsFile_.string(), std::string("Input/output error"),
                                  Sjis("表示しているのは初期値の設定です。")}) {
    EXPECT_NE(told.Text.find(part), std::string::npos) << told.Text;
  }
  EXPECT_EQ(View().form.Left(), 100) << "not at the start values' position";

  View().comment.SetText("edited");
  View().form.answers = {false};
  dialog.Button1Click();
  ASSERT_EQ(View().form.questions.size(), 1u);
  EXPECT_EQ(View().form.questions[0].Caption, Sjis("設定ファイルの上書き"));
  EXPECT_NE(View().form.questions[0].Text.find(settingsFile_.string()), std::string::npos);
  EXPECT_FALSE(View().form.Closed());
  EXPECT_TRUE(std::filesystem::is_symlink(settingsFile_));
  EXPECT_EQ(View().comment.Text(), "edited");

  View().form.answers = {true};
  dialog.Button1Click();
  EXPECT_TRUE(View().form.Closed());
  EXPECT_EQ(LoadFile().Preset(1).Comment, "edited");
}

}  // namespace
}  // namespace tq58::ui
