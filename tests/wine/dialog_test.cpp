// The Windows program's settings dialog under Wine, used as a person uses it: clicks on tabs
// and boxes, typed text with Japanese characters, Enter, Esc, Tab and the Alt keys, the close
// box, the message of an OK that cannot save, the colour chooser of the fill, the layer lists.
// The settings file it leaves is checked line by line.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "dialog_driver.h"
#include "presets/settings_file.h"
#include "support/files.h"
#include "ui/sjis.h"

namespace {

namespace fs = std::filesystem;
using tq58::CapStyle;
using tq58::CornerMode;
using tq58::JunctionMode;
using tq58::PresetStore;
using tq58::TLineRow;
using tq58::ui::testing::Sjis;
using namespace tq58_dialog_test;

constexpr char kDialogTitle[] = "丸め付マルチライン　設定";
constexpr char kApplicationTitle[] = "tq58_丸め付マルチライン";
constexpr char kSaveFailedTitle[] = "設定を保存できません";
constexpr char kColorChooserTitle[] = "Color";  // Wine's, in English
constexpr int kClientWidth = 649;
constexpr int kClientHeight = 676;
constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
constexpr Rgb kMemoColour{187, 235, 244};
// The help text's box (185 x 233) is mostly its background colour.
constexpr int kMemoColourMinimum = 185 * 233 / 2;

// A point in the dialog's client area, in pixels.
struct Point {
  int X;
  int Y;
};

Point TabCentre(int tabIndex) { return {2 + 26 * tabIndex + 13, 10}; }
constexpr Point kCommentBox{64 + 150, 24 + 10};

// The controls of a line row, left to right, and where a click hits each.
enum Column { kDrawOn, kSpacing, kRadius, kPaperSize, kColour, kLineType, kWidth, kLayer };

Point RowControl(int row, Column column) {
  static constexpr int kCentreX[] = {8, 40, 92, 128, 176, 264, 340, 406};
  return {6 + kCentreX[column], 64 + 24 * (row - 1) + 10};
}

// The row's radius box and the base radius box, whose greying the corner mode sets.
constexpr Point kRowOneRadiusCorner{6 + 68, 64};
constexpr Point kBaseRadiusCorner{243, 312};
constexpr int kRadiusBoxWidth = 49;
constexpr int kRadiusBoxHeight = 21;

// The fill colour's swatch inside its sunken edge, at the end of the first line of options.
constexpr Point kSwatchCorner{536 + 2, 312 + 2};
constexpr int kSwatchWidth = 49 - 4;
constexpr int kSwatchHeight = 21 - 4;

// The preview area inside its sunken edge, below the two lines of options.
constexpr Point kPreviewCorner{4 + 2, 372 + 2};
constexpr int kPreviewWidth = 641 - 4;
constexpr int kPreviewHeight = 300 - 4;
constexpr Rgb kRed{255, 0, 0};  // colour 8 of the host

// The tab strip's row of tabs, for comparing which tab is shown.
constexpr int kTabRowWidth = 453;
constexpr int kTabRowHeight = 24;

fs::path EvidenceFolder() {
  const fs::path folder = fs::temp_directory_path() / "tq58-dialog-screens";
  fs::create_directories(folder);
  return folder;
}

// The file's bytes; "" where there is none.
std::string ReadBytes(const fs::path& path) {
  return tq58_test::ReadBytesIfPresent(path).value_or("");
}

// The lines of a settings file; every line must end with CR LF.
std::vector<std::string> CrLfLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(bytes.substr(start, end - start));
  }
  EXPECT_EQ(start, bytes.size()) << "text after the last CR LF";
  return lines;
}

class SettingsDialogUnderWine : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(fs::exists(TQ58_WINDOWS_PROGRAM_PATH))
        << TQ58_WINDOWS_PROGRAM_PATH << " is missing: build the windows preset first";
    for (const char* tool : {"/usr/lib/wine/wine64", "/usr/bin/Xvfb", "/usr/bin/xdotool",
                             "/usr/bin/import", "/usr/bin/convert"}) {
      ASSERT_TRUE(fs::exists(tool)) << tool << " is missing: run scripts/setup.sh";
    }
    lock_.emplace();
    session_.emplace();
    ASSERT_TRUE(session_->Ready()) << "no virtual screen";
  }

  DialogSession& Session() { return *session_; }

  // Starts the program without argument and waits until its dialog is drawn; the dialog then
  // has the focus.
  WindowPlace Open() {
    session_->Start();
    if (session_->FindWindow(kDialogTitle).Id.empty()) return {};
    // Drawn means placed, and a running message loop takes the clicks and keys that follow.
    CaptureWhenDrawn("opening.png");
    const WindowPlace dialog = session_->FindWindow(kDialogTitle);
    session_->Focus(dialog);
    return dialog;
  }

  void Click(const WindowPlace& dialog, Point point) {
    session_->Click(dialog.X + point.X, dialog.Y + point.Y);
  }

  // Clicks into an edit field and replaces its text by typing.
  void Retype(const WindowPlace& dialog, Point field, const std::string& text) {
    Click(dialog, field);
    session_->Keys({"End", "shift+Home"});
    session_->Type(text);
  }

  Screenshot Capture(const std::string& name) {
    return session_->Screen().Capture(EvidenceFolder() / name);
  }

  // A screenshot once the dialog has been drawn completely: its help text is on the screen,
  // nothing changes any more and, where given, `shows` holds. A loaded machine may not have
  // handled the last input yet when the screen first stands still, so the wait is for what
  // the input should bring about; a shot that never shows it is returned after 12 s.
  Screenshot CaptureWhenDrawn(const std::string& name,
                              const std::function<bool(const Screenshot&)>& shows = nullptr) {
    Screenshot previous;
    for (int tries = 0; tries < 60; ++tries) {
      Screenshot shot = Capture(name);
      const bool drawn =
          shot.Count(0, 0, shot.Width, shot.Height, kMemoColour) > kMemoColourMinimum;
      if (drawn && shot.Pixels == previous.Pixels && (!shows || shows(shot))) return shot;
      previous = std::move(shot);
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    ADD_FAILURE() << "the dialog was not drawn";
    return previous;
  }

  // Empty presets with `current` on display, the window where all of it shows.
  static PresetStore EmptyPresetsOn(int current) {
    PresetStore store;
    store.FormTop = 20;
    store.CurrentPreset = current;
    return store;
  }

  void StoreSettings(PresetStore store) {
    ASSERT_TRUE(tq58::SaveSettings(store, session_->SettingsFile()));
  }

  // The presets of the settings file as the program left it.
  PresetStore SavedStore() {
    PresetStore saved;
    tq58::LoadSettings(saved, session_->SettingsFile());
    return saved;
  }

  // The settings file as the program left it, line by line against `expected` saved by the
  // core's own SaveSettings.
  void ExpectSettingsFile(PresetStore expected) {
    const fs::path expectedFile = session_->Folder() / "expected.dat";
    ASSERT_TRUE(tq58::SaveSettings(expected, expectedFile));
    ExpectSettingsFileBytes(ReadBytes(expectedFile));
  }

  // The settings file holds exactly `expected`; differences are reported line by line.
  void ExpectSettingsFileBytes(const std::string& expected) {
    const std::string got = ReadBytes(session_->SettingsFile());
    if (got == expected) return;
    const auto wantLines = CrLfLines(expected);
    const auto gotLines = CrLfLines(got);
    EXPECT_EQ(gotLines.size(), wantLines.size()) << "lines in the settings file";
    for (std::size_t i = 0; i < std::min(wantLines.size(), gotLines.size()); ++i) {
      EXPECT_EQ(gotLines[i], wantLines[i]) << "line " << i + 1;
    }
  }

 private:
  std::optional<PrefixLock> lock_;  // held until the session has ended
  std::optional<DialogSession> session_;
};

TEST_F(SettingsDialogUnderWine, OpensWithoutSettingsFileAndOkStoresTheEditedTabs) {
  const WindowPlace dialog = Open();
  ASSERT_FALSE(dialog.Id.empty()) << "no window titled " << kDialogTitle;
  EXPECT_EQ(dialog.Width, kClientWidth);
  EXPECT_EQ(dialog.Height, kClientHeight);
  EXPECT_FALSE(Session().FindWindow(kApplicationTitle).Id.empty())
      << "no application window titled " << kApplicationTitle;
  // At the start position, 100/100, the window would reach below the screen: it opens moved
  // up just far enough to show whole.
  EXPECT_LE(dialog.Y + kClientHeight, kScreenHeight);
  EXPECT_GT(dialog.Y + kClientHeight, kScreenHeight - 10);
  const Screenshot opened = Capture("opened.png");
  ASSERT_FALSE(opened.Pixels.empty());
  EXPECT_GT(opened.Count(dialog.X + 460, dialog.Y, 185, 233, kMemoColour), kMemoColourMinimum);

  // Tab 3: a comment with a character that Shift-JIS cannot hold, and row 1 in full.
  Click(dialog, TabCentre(2));
  Click(dialog, kCommentBox);
  Session().Type("外壁 é");
  Click(dialog, RowControl(1, kDrawOn));
  Retype(dialog, RowControl(1, kSpacing), "2.50");
  Session().Keys({"Tab"});  // to the radius, its text selected
  Session().Type("-1");
  Session().Keys({"Tab", "space", "Tab", "Down", "Down", "Down", "Tab", "Down", "Tab"});
  Session().Type("40000");

  // Tab 7: rows 2 and 10, then OK with Enter while tab 7 is shown.
  Click(dialog, TabCentre(6));
  Retype(dialog, RowControl(2, kSpacing), "-5");
  Retype(dialog, RowControl(2, kRadius), "0.5");
  Retype(dialog, RowControl(2, kWidth), "15");
  Click(dialog, RowControl(10, kDrawOn));
  Capture("edited.png");
  Session().Keys({"Return"});
  ASSERT_TRUE(Session().WaitForExit()) << "OK did not end the program";

  PresetStore expected;
  expected.FormTop = SavedStore().FormTop;  // where the window was moved, checked above
  EXPECT_LT(expected.FormTop, 100);
  expected.CurrentPreset = 7;
  expected.Preset(3).Comment = Sjis("外壁 ?");
  expected.Preset(3).Lines[0] = TLineRow{true, 2.5, 0.0, true, 3, 1, -1};
  expected.Preset(7).Lines[1] = TLineRow{false, -5.0, 0.5, false, 0, 0, 15};
  expected.Preset(7).Lines[9].DrawOn = true;
  ExpectSettingsFile(expected);
}

TEST_F(SettingsDialogUnderWine, EscapeAfterEditsOnSeveralTabsLeavesTheFileByteIdentical) {
  PresetStore stored;
  stored.FormLeft = 150;
  stored.FormTop = 120;
  stored.CurrentPreset = 7;
  stored.Preset(7).Comment = Sjis("道路境界");
  stored.Preset(7).Lines[0] = TLineRow{true, 1.25, 3.0, false, 2, 1, 25};
  StoreSettings(stored);
  const std::string before = ReadBytes(Session().SettingsFile());

  const WindowPlace dialog = Open();
  ASSERT_FALSE(dialog.Id.empty());
  Click(dialog, RowControl(1, kDrawOn));
  Retype(dialog, RowControl(1, kSpacing), "99");
  Click(dialog, TabCentre(1));
  Click(dialog, kCommentBox);
  Session().Type("変更");
  Retype(dialog, RowControl(4, kWidth), "70");
  Session().Keys({"Escape"});
  ASSERT_TRUE(Session().WaitForExit()) << "Esc did not end the program";
  ExpectSettingsFileBytes(before);
}

TEST_F(SettingsDialogUnderWine, OkWithoutEditsRewritesTheSameBytes) {
  PresetStore stored;
  stored.FormLeft = 40;
  stored.FormTop = 30;
  stored.CurrentPreset = 12;
  // Code page 932 reads 0xED40 and 0xFA5C as the same character, and a lead byte at the end
  // is no character at all: a comment shown but not edited keeps its bytes all the same.
  stored.Preset(12).Comment = "\xED\x40\xFA\x5C\x87\x40 x\x82";
  stored.Preset(12).Lines[4] = TLineRow{true, -0.125, 1e-7, true, 265, 50, 0};
  stored.Preset(20).Comment = Sjis("最後");
  StoreSettings(stored);
  const std::string before = ReadBytes(Session().SettingsFile());

  const WindowPlace dialog = Open();
  ASSERT_FALSE(dialog.Id.empty());
  Session().Keys({"Return"});
  ASSERT_TRUE(Session().WaitForExit()) << "Enter did not end the program";
  ExpectSettingsFileBytes(before);
}

TEST_F(SettingsDialogUnderWine,
       TitleBarOffScreenOpensOnScreenAndTheNextOpeningShowsTheConfirmedTab) {
  PresetStore stored;
  stored.FormLeft = -5000;  // as after a second monitor was unplugged
  stored.FormTop = -5000;
  stored.CurrentPreset = 5;
  StoreSettings(stored);
  const std::string before = ReadBytes(Session().SettingsFile());

  // Placed on the screen; cancelling (Alt+N) rewrites nothing.
  const WindowPlace first = Open();
  ASSERT_FALSE(first.Id.empty());
  EXPECT_GE(first.X, 0);
  EXPECT_GE(first.Y, 0);
  EXPECT_LE(first.X + kClientWidth, kScreenWidth);
  EXPECT_LE(first.Y + kClientHeight, kScreenHeight);
  const Screenshot onTabFive = Capture("opened-off-screen.png");
  Session().Keys({"alt+n"});
  ASSERT_TRUE(Session().WaitForExit()) << "Alt+N did not end the program";
  ExpectSettingsFileBytes(before);

  // Confirming (Alt+Y) on tab 9 stores the position that the window had.
  const WindowPlace second = Open();
  ASSERT_FALSE(second.Id.empty());
  EXPECT_EQ(second.X, first.X);
  EXPECT_EQ(second.Y, first.Y);
  Click(second, TabCentre(8));
  Click(second, kCommentBox);  // takes the focus off the tabs, which would draw its frame
  const Screenshot onTabNine = Capture("confirmed-tab-9.png");
  Session().Keys({"alt+y"});
  ASSERT_TRUE(Session().WaitForExit()) << "Alt+Y did not end the program";
  PresetStore saved;
  tq58::LoadSettings(saved, Session().SettingsFile());
  EXPECT_EQ(saved.CurrentPreset, 9);
  EXPECT_GE(saved.FormLeft, 0);
  EXPECT_GE(saved.FormTop, 0);
  // The stored corner is the window's outer one: the client area lies just inside it.
  EXPECT_GT(first.X - saved.FormLeft, 0);
  EXPECT_LT(first.X - saved.FormLeft, 10);
  EXPECT_GT(first.Y - saved.FormTop, 0);
  EXPECT_LT(first.Y - saved.FormTop, 40);

  // The next opening: the same place, tab 9.
  const WindowPlace third = Open();
  ASSERT_FALSE(third.Id.empty());
  EXPECT_EQ(third.X, first.X);
  EXPECT_EQ(third.Y, first.Y);
  const Screenshot reopened = Capture("reopened.png");
  ASSERT_FALSE(reopened.Pixels.empty());
  const auto tabs = [](const Screenshot& shot, const WindowPlace& at) {
    return shot.Region(at.X, at.Y, kTabRowWidth, kTabRowHeight);
  };
  EXPECT_TRUE(tabs(reopened, third) == tabs(onTabNine, second)) << "tab 9 is not shown";
  EXPECT_FALSE(tabs(reopened, third) == tabs(onTabFive, first)) << "the tabs look alike";
  Session().Keys({"Escape"});
  EXPECT_TRUE(Session().WaitForExit());
}

// The options' lines are reached from the last row's layer by Tab and from anywhere by their
// Alt keys;
// concentric corners grey each row's radius, which Tab then passes by, and light the base
// radius. The options of both edited presets reach the file, the junctions' block included,
// and 「同心円弧」, the fourth entry of a cap list, as 3.
TEST_F(SettingsDialogUnderWine, OptionsAreReachedByTabAndAltKeysAndGreyTheRadii) {
  PresetStore stored;
  stored.FormTop = 20;  // where the whole window shows
  StoreSettings(stored);
  const WindowPlace dialog = Open();
  ASSERT_FALSE(dialog.Id.empty());
  const auto radiusBoxes = [&](const Screenshot& shot) {
    return std::pair(shot.Region(dialog.X + kRowOneRadiusCorner.X, dialog.Y + kRowOneRadiusCorner.Y,
                                 kRadiusBoxWidth, kRadiusBoxHeight),
                     shot.Region(dialog.X + kBaseRadiusCorner.X, dialog.Y + kBaseRadiusCorner.Y,
                                 kRadiusBoxWidth, kRadiusBoxHeight));
  };
  Click(dialog, RowControl(10, kLayer));
  const auto perRow = radiusBoxes(CaptureWhenDrawn("options-per-row.png"));
  Session().Keys({"Tab", "Down"});  // concentric corners
  const auto concentric = radiusBoxes(CaptureWhenDrawn("options-concentric.png"));
  EXPECT_NE(concentric.first, perRow.first) << "the row's radius is not greyed";
  EXPECT_NE(concentric.second, perRow.second) << "the base radius is still greyed";
  Session().Keys({"Tab"});
  Session().Type("12.5");
  // Past the fill and its colour to the caps and the junctions.
  Session().Keys(
      {"Tab", "space", "Tab", "Tab", "Tab", "Down", "Down", "Tab", "Down", "Tab", "Down"});
  Retype(dialog, RowControl(1, kSpacing), "5");
  Session().Keys({"Tab", "space"});  // past the greyed radius to the paper-size box

  Click(dialog, TabCentre(1));
  Click(dialog, kCommentBox);
  Session().Keys({"alt+k", "Down", "alt+r"});
  Session().Type("3");
  Session().Keys({"alt+z", "alt+s", "Down", "alt+e", "Down", "Down", "Down", "alt+j", "Down", "Tab",
                  "Tab", "space"});
  ASSERT_TRUE(Session().WaitForExit()) << "Tab after the fill's layer did not reach OK";

  PresetStore expected = stored;
  expected.CurrentPreset = 2;
  expected.Preset(1).Lines[0] = TLineRow{false, 5.0, 0.0, true, 0, 0, -1};
  expected.Preset(1).Options = {CornerMode::Concentric, 12.5, true, CapStyle::Arc, CapStyle::Line};
  expected.Preset(2).Options = {CornerMode::Concentric, 3.0, true, CapStyle::Line,
                                CapStyle::ConcentricArc};
  for (const int preset : {1, 2}) expected.Preset(preset).Options.Junctions = JunctionMode::Clean;
  ExpectSettingsFile(expected);
  // Preset 2's end cap, the last of its five options in the first block.
  EXPECT_EQ(CrLfLines(ReadBytes(Session().SettingsFile())).at(1424 + 5 + 5 - 1), "3");
}

// The fill by the keyboard alone: Tab from the corner mode passes the greyed base radius to the
// fill box, and the colour button opens the system's colour chooser at the preset's colour,
// where red, green and blue are typed; the swatch shows the colour chosen. On the next preset
// Alt+F ticks the box and Alt+C opens the chooser, which Esc cancels. OK stores the fill's block.
TEST_F(SettingsDialogUnderWine, FillAndItsColourAreSetByKeysAlone) {
  const PresetStore stored = EmptyPresetsOn(4);
  StoreSettings(stored);
  const WindowPlace dialog = Open();
  ASSERT_FALSE(dialog.Id.empty());
  Session().Keys({"alt+k", "Tab", "space", "Tab", "space"});
  const WindowPlace chooser = Session().FindWindow(kColorChooserTitle);
  ASSERT_FALSE(chooser.Id.empty()) << "the colour button opened no chooser";
  Session().Focus(chooser);
  Capture("fill-colour-chooser.png");
  // The program asks for the chooser's custom colour part at once: Alt+R reaches the red field,
  // and Tab the green and the blue after it, each with its text selected for retyping.
  Session().Keys({"alt+r", "End", "shift+Home"});
  Session().Type("10");
  Session().Keys({"Tab"});
  Session().Type("20");
  Session().Keys({"Tab"});
  Session().Type("30");
  Session().Keys({"Return"});
  ASSERT_TRUE(Session().WaitUntilGone(kColorChooserTitle)) << "Enter did not close the chooser";
  const auto swatchShows = [&](Rgb colour) {
    return [&dialog, colour](const Screenshot& shot) {
      return shot.Count(dialog.X + kSwatchCorner.X, dialog.Y + kSwatchCorner.Y, kSwatchWidth,
                        kSwatchHeight, colour) == kSwatchWidth * kSwatchHeight;
    };
  };
  const Rgb chosen{10, 20, 30};
  EXPECT_TRUE(swatchShows(chosen)(CaptureWhenDrawn("fill-colour-chosen.png", swatchShows(chosen))))
      << "the swatch does not show the colour chosen";

  Session().Focus(dialog);
  Session().Keys({"ctrl+Tab", "alt+f", "alt+c"});
  const WindowPlace second = Session().FindWindow(kColorChooserTitle);
  ASSERT_FALSE(second.Id.empty()) << "Alt+C opened no chooser";
  Session().Focus(second);
  Session().Keys({"Escape"});
  ASSERT_TRUE(Session().WaitUntilGone(kColorChooserTitle)) << "Esc did not close the chooser";
  const Rgb grey{192, 192, 192};  // the default fill colour, kept by the cancel
  EXPECT_TRUE(swatchShows(grey)(CaptureWhenDrawn("fill-colour-cancelled.png", swatchShows(grey))));
  Session().Focus(dialog);
  Session().Keys({"alt+y"});
  ASSERT_TRUE(Session().WaitForExit()) << "Alt+Y did not end the program";

  PresetStore expected = stored;
  expected.CurrentPreset = 5;
  expected.Preset(4).Options.Fill = true;
  expected.Preset(4).Options.FillColor = 10 + 256 * 20 + 65536 * 30;
  expected.Preset(5).Options.Fill = true;
  ExpectSettingsFile(expected);
  const std::vector<std::string> lines = CrLfLines(ReadBytes(Session().SettingsFile()));
  ASSERT_EQ(lines.size(), 1586u);
  EXPECT_EQ(lines[1545], "[tq58 fill v1]");
  // Preset 4's two lines, and preset 5's.
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 1552, lines.begin() + 1556),
            (std::vector<std::string>{"1", "1971210", "1", "12632256"}));
}

// The layers by the keyboard alone: Shift+Tab from the corner mode reaches the last row's layer
// list, where Down twice chooses layer 1; Alt+L reaches the fill's layer list, where End
// chooses layer F. OK stores them in the layers' block after the fill's: 1807 lines.
TEST_F(SettingsDialogUnderWine, RowAndFillLayersAreSetByKeysAlone) {
  const PresetStore stored = EmptyPresetsOn(6);
  StoreSettings(stored);
  const WindowPlace dialog = Open();
  ASSERT_FALSE(dialog.Id.empty());
  Session().Keys({"alt+k", "shift+Tab", "Down", "Down", "alt+l", "End"});
  Capture("layers-chosen.png");
  Session().Keys({"alt+y"});
  ASSERT_TRUE(Session().WaitForExit()) << "Alt+Y did not end the program";

  PresetStore expected = stored;
  expected.Preset(6).Lines[9].Layer = 1;
  expected.Preset(6).Options.FillLayer = 15;
  ExpectSettingsFile(expected);
  const std::vector<std::string> lines = CrLfLines(ReadBytes(Session().SettingsFile()));
  ASSERT_EQ(lines.size(), 1807u);
  EXPECT_EQ(lines[1586], "[tq58 layers v1]");
  // Preset 6's eleven lines follow those of presets 1 to 5: row 10's, then the fill's.
  EXPECT_EQ(lines[1586 + 5 * 11 + 10], "1");
  EXPECT_EQ(lines[1586 + 5 * 11 + 11], "15");
}

// The preview draws the page on display: a red row on the page with rows, nothing red on an
// empty page, the same picture again on coming back, and at once what is typed, unticked or
// chosen from an editable list.
TEST_F(SettingsDialogUnderWine, PreviewShowsThePageOnDisplayAndFollowsEdits) {
  PresetStore stored;
  stored.Preset(1).Lines[0] = TLineRow{true, 0.0, 2.0, false, 8, 0, 50};
  stored.Preset(1).Lines[1] = TLineRow{true, 3.0, 1.0, false, 0, 0, -1};
  StoreSettings(stored);
  const WindowPlace dialog = Open();
  ASSERT_FALSE(dialog.Id.empty());
  const auto preview = [&](const Screenshot& shot) {
    return shot.Region(dialog.X + kPreviewCorner.X, dialog.Y + kPreviewCorner.Y, kPreviewWidth,
                       kPreviewHeight);
  };
  const auto redPixels = [&](const Screenshot& shot) {
    return shot.Count(dialog.X + kPreviewCorner.X, dialog.Y + kPreviewCorner.Y, kPreviewWidth,
                      kPreviewHeight, kRed);
  };
  Click(dialog, kCommentBox);  // takes the focus off the tabs, which would draw its frame
  const Screenshot withRows =
      CaptureWhenDrawn("preview-rows.png", [&](const Screenshot& s) { return redPixels(s) > 200; });
  EXPECT_GT(redPixels(withRows), 200) << "the red row is not drawn";

  Click(dialog, TabCentre(1));
  Click(dialog, kCommentBox);
  const Screenshot empty =
      CaptureWhenDrawn("preview-empty.png", [&](const Screenshot& s) { return redPixels(s) == 0; });
  EXPECT_EQ(redPixels(empty), 0);
  EXPECT_TRUE(preview(empty) != preview(withRows)) << "an empty page looks like one with rows";

  Click(dialog, TabCentre(0));
  Click(dialog, kCommentBox);
  const auto sameAsWithRows = [&](const Screenshot& s) { return preview(s) == preview(withRows); };
  EXPECT_TRUE(sameAsWithRows(CaptureWhenDrawn("preview-back.png", sameAsWithRows)))
      << "the page looks different on coming back";

  Retype(dialog, RowControl(2, kSpacing), "12");
  const Screenshot typed = CaptureWhenDrawn(
      "preview-typed.png", [&](const Screenshot& s) { return !sameAsWithRows(s); });
  EXPECT_FALSE(sameAsWithRows(typed)) << "typing a spacing is not drawn";
  Click(dialog, RowControl(1, kDrawOn));
  const Screenshot unticked = CaptureWhenDrawn(
      "preview-unticked.png", [&](const Screenshot& s) { return redPixels(s) == 0; });
  EXPECT_EQ(redPixels(unticked), 0) << "the unticked row is still drawn";
  Click(dialog, RowControl(2, kWidth));
  // Eight entries down the list: width 70, drawn 3 pixels wide instead of 1.
  Session().Keys({"Down", "Down", "Down", "Down", "Down", "Down", "Down", "Down"});
  const auto differsFromUnticked = [&](const Screenshot& s) {
    return preview(s) != preview(unticked);
  };
  EXPECT_TRUE(
      differsFromUnticked(CaptureWhenDrawn("preview-chosen-width.png", differsFromUnticked)))
      << "a width chosen from the list is not drawn";

  Session().Keys({"Escape"});
  EXPECT_TRUE(Session().WaitForExit());
}

// In a Wine desktop, which draws the title bar as Windows does: the picture of the dialog is
// kept, and its close box ends the program without storing.
TEST_F(SettingsDialogUnderWine, CloseBoxInTheTitleBarStoresNothing) {
  PresetStore stored;
  stored.FormLeft = 100;
  stored.FormTop = 30;  // the window, 676 pixels high inside, shows whole
  stored.CurrentPreset = 3;
  stored.Preset(3).Comment = Sjis("外周道路の境界線");
  stored.Preset(3).Lines[0] = TLineRow{true, 0.0, 0.0, false, 0, 0, -1};
  stored.Preset(3).Lines[1] = TLineRow{true, 5.0, 2.0, false, 2, 1, -1};
  stored.Preset(3).Lines[2] = TLineRow{true, -5.0, 2.0, false, 2, 1, -1};
  stored.Preset(3).Lines[3] = TLineRow{true, 3.5, 1.0, false, 12, 21, 25};
  stored.Preset(3).Options = {CornerMode::Concentric, 8.0, false, CapStyle::Arc, CapStyle::Arc};
  stored.Preset(3).Options.Junctions = JunctionMode::Clean;
  // The road's edges on layer 1, its centre line on layer 2, its fill on layer 3.
  for (const std::size_t edge : {1, 2}) stored.Preset(3).Lines[edge].Layer = 1;
  stored.Preset(3).Lines[0].Layer = 2;
  stored.Preset(3).Options.Fill = true;
  stored.Preset(3).Options.FillLayer = 3;
  StoreSettings(stored);
  const std::string before = ReadBytes(Session().SettingsFile());

  Session().Start("tq58dialog");
  const WindowPlace desktop = Session().FindWindow("tq58dialog - Wine desktop");
  ASSERT_FALSE(desktop.Id.empty());
  Session().Focus(desktop);
  const Screenshot shot = CaptureWhenDrawn("settings-dialog.png");
  ASSERT_FALSE(shot.Pixels.empty());
  // The client area's origin, found from the help text's top-left inner corner (its border is
  // 2 pixels wide), sits below the title bar.
  Point memo{-1, -1};
  for (int y = 0; y < 450 && memo.X < 0; ++y) {
    for (int x = 0; x < 800 && memo.X < 0; ++x) {
      if (shot.At(x, y) == kMemoColour) memo = {x, y};
    }
  }
  ASSERT_GE(memo.X, 0) << "no help text on the desktop";
  const Point client{memo.X - 462, memo.Y - 2};
  EXPECT_GT(client.X, stored.FormLeft);
  EXPECT_GT(client.Y, stored.FormTop + 10) << "no title bar above the client area";

  Session().Click(client.X + kClientWidth - 12, client.Y - 11);  // the close box
  ASSERT_TRUE(Session().WaitForExit()) << "the close box did not end the program";
  ExpectSettingsFileBytes(before);
}

// A folder stands where the settings file would be: OK tells that it cannot save, in a message
// box owned by the dialog, and the dialog stays open. Once the message is dismissed, Esc
// closes the dialog; the folder is untouched and nothing is left beside the program.
TEST_F(SettingsDialogUnderWine, OkThatCannotSaveShowsWhyAndKeepsTheDialogOpen) {
  const fs::path folder = Session().SettingsFile();
  fs::create_directory(folder);
  tq58_test::WriteBytes(folder / "kept.txt", "kept");

  const WindowPlace dialog = Open();
  ASSERT_FALSE(dialog.Id.empty());
  Click(dialog, kCommentBox);
  Session().Type("lost?");
  Session().Keys({"Return"});
  const WindowPlace message = Session().FindWindow(kSaveFailedTitle);
  ASSERT_FALSE(message.Id.empty()) << "no message titled " << kSaveFailedTitle;
  Capture("save-failed.png");
  EXPECT_EQ(Session().FindWindow(kDialogTitle).Id, dialog.Id) << "the dialog did not stay";

  Session().Focus(message);
  Session().Keys({"Return"});
  ASSERT_TRUE(Session().WaitUntilGone(kSaveFailedTitle)) << "Enter did not dismiss the message";
  Session().Focus(dialog);
  Session().Keys({"Escape"});
  ASSERT_TRUE(Session().WaitForExit()) << "Esc did not end the program after the message";

  EXPECT_TRUE(fs::is_directory(folder));
  EXPECT_EQ(tq58_test::EntryCount(folder), 1u);
  EXPECT_EQ(ReadBytes(folder / "kept.txt"), "kept");
  std::set<std::string> beside;
  for (const auto& entry : fs::directory_iterator(Session().Folder())) {
    beside.insert(entry.path().filename().string());
  }
  EXPECT_EQ(beside, (std::set<std::string>{"tq58.exe", "tq58.dat"}));
}

}  // namespace
