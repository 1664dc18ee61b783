// The settings file: its line layout, round trips, short and malformed files. Failed saves
// are tested with real faults in tests/faults.
#include "presets/settings_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "support/files.h"
#include "support/real_faults.h"
#include "util/real_format.h"
#include "util/text_convert.h"

namespace tq58 {
namespace {

namespace fs = std::filesystem;
constexpr int kLineCount = 1423;

// One-based line number of a field: row `r` of preset `p`, field `f` (0..6 in file order).
int FieldLine(int p, int r, int f) { return 5 + 71 * (p - 1) + 7 * (r - 1) + f; }
int CommentLine(int p) { return 4 + 71 * (p - 1); }
// One-based line number of option `f` (0..4 in file order) of preset `p`, after the marker.
constexpr int kMarkerLine = 1424;
int OptionLine(int p, int f) { return kMarkerLine + 1 + 5 * (p - 1) + f; }
// The same for the junctions of preset `p`, in the block after the options.
constexpr int kJunctionMarkerLine = 1525;
int JunctionLine(int p) { return kJunctionMarkerLine + p; }
// The same for the fill (f = 0) and its colour (f = 1) of preset `p`, in the block after that.
constexpr int kFillMarkerLine = 1546;
int FillLine(int p, int f) { return kFillMarkerLine + 1 + 2 * (p - 1) + f; }
// The same for the layer of row r (1..10) of preset `p`, and its fill's (r = 11), after that.
constexpr int kLayerMarkerLine = 1587;
int LayerLine(int p, int r) { return kLayerMarkerLine + 11 * (p - 1) + r; }

void ExpectSameStore(const PresetStore& a, const PresetStore& b) {
  EXPECT_EQ(a.FormLeft, b.FormLeft);
  EXPECT_EQ(a.FormTop, b.FormTop);
  EXPECT_EQ(a.CurrentPreset, b.CurrentPreset);
  for (int p = 1; p <= kPresetCount; ++p) {
    EXPECT_EQ(a.Preset(p).Comment, b.Preset(p).Comment) << "preset " << p;
    for (int r = 0; r < kRowsPerPreset; ++r) {
      EXPECT_TRUE(a.Preset(p).Lines[r] == b.Preset(p).Lines[r])
          << "preset " << p << " row " << r + 1;
    }
    EXPECT_TRUE(a.Preset(p).Options == b.Preset(p).Options) << "preset " << p;
  }
}

// A store with a different value in every field.
PresetStore VariedStore() {
  PresetStore store;
  store.FormLeft = -1200;
  store.FormTop = 345;
  store.CurrentPreset = 17;
  for (int p = 1; p <= kPresetCount; ++p) {
    store.Preset(p).Comment = "\x8E\xC0\x90\xFC " + std::to_string(p);  // "jissen n"
    for (int r = 0; r < kRowsPerPreset; ++r) {
      TLineRow& row = store.Preset(p).Lines[r];
      const int n = p * 10 + r;
      row.DrawOn = n % 2 == 0;
      row.Spacing = (n % 3 == 0 ? -1.0 : 1.0) * n / 7.0;
      row.Radius = n % 4 == 0 ? 0.0 : n * 0.125;
      row.PaperSize = n % 3 == 1;
      row.ColorIndex = n + 40;
      row.LineTypeIndex = n % 30;
      row.LineWidth = n % 5 == 0 ? -1 : n * 100;
      row.Layer = n % 17 - 1;
    }
    TPresetOptions& options = store.Preset(p).Options;
    options.Corners = static_cast<CornerMode>(p % 2);
    options.BaseRadius = p % 4 == 0 ? 0.0 : p * 1000.0 / 3.0;
    options.BaseRadiusPaperSize = p % 3 == 0;
    options.StartCap = static_cast<CapStyle>(p % 4);
    options.EndCap = static_cast<CapStyle>((p / 3) % 3);
    options.Junctions = static_cast<JunctionMode>((p / 2) % 2);
    options.Fill = p % 4 < 2;
    options.FillColor = p * 838861 % 16777216;  // from black to almost white
    options.FillLayer = (p * 5) % 17 - 1;
  }
  return store;
}

// The varied rows alone: every option and every layer at its start value.
PresetStore VariedRowsOnly() {
  PresetStore store = VariedStore();
  for (TLineTable& preset : store.Presets) {
    preset.Options = {};
    for (TLineRow& row : preset.Lines) row.Layer = kCurrentLayer;
  }
  return store;
}

// The store as the file keeps it: every real rounded to 15 significant digits.
PresetStore RoundedTo15Digits(PresetStore store) {
  for (TLineTable& preset : store.Presets) {
    for (TLineRow& row : preset.Lines) {
      row.Spacing = util::TextToFloat(util::FormatReal(row.Spacing));
      row.Radius = util::TextToFloat(util::FormatReal(row.Radius));
    }
    preset.Options.BaseRadius = util::TextToFloat(util::FormatReal(preset.Options.BaseRadius));
  }
  return store;
}

class SettingsFile : public testing::Test {
 protected:
  std::string Bytes() const { return tq58_test::ReadBytes(path_); }
  // The file's lines, split at CR LF.
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    const std::string bytes = Bytes();
    for (std::size_t start = 0; start < bytes.size();) {
      const std::size_t end = bytes.find("\r\n", start);
      if (end == std::string::npos) {
        lines.push_back(bytes.substr(start) + "<no line break>");
        break;
      }
      lines.push_back(bytes.substr(start, end - start));
      start = end + 2;
    }
    return lines;
  }
  // A file of `count` lines, all empty except those given as (one-based line, text).
  void WriteFile(int count, const std::vector<std::pair<int, std::string>>& values) {
    std::vector<std::string> lines(static_cast<std::size_t>(count));
    for (const auto& [line, text] : values) lines[static_cast<std::size_t>(line - 1)] = text;
    std::ofstream out(path_, std::ios::binary);
    for (const std::string& line : lines) out << line << "\r\n";
  }
  PresetStore Load() const {
    PresetStore store;
    store.FormLeft = 999;  // LoadSettings must start from the start values
    store.Preset(3).Comment = "stale";
    LoadSettings(store, path_);
    return store;
  }

  tq58_test::TempFolder temp_;
  const fs::path folder_ = temp_.Path();
  const fs::path path_ = folder_ / "tq58.dat";
};

// Only a file read whole gives its values; a missing one gives the start values, and so does
// one that is there but cannot be read, with the reason.
TEST_F(SettingsFile, LoadSaysWhetherItReadTheFile) {
  using util::ReadFailure;
  PresetStore saved = VariedStore();
  const struct {
    const char* what;
    std::function<void()> place;
    ReadFailure failure;
    const char* systemMessage;
  } cases[] = {
      {"saved file", [&] { ASSERT_TRUE(SaveSettings(saved, path_)); }, ReadFailure::None, ""},
      {"no file", [] {}, ReadFailure::Missing, ""},
      {"folder", [&] { fs::create_directory(path_); }, ReadFailure::FolderInTheWay, ""},
      {"write-only file", [&] { fs::create_symlink(faults::kWriteOnlyFile, path_); },
       ReadFailure::AccessDenied, "Permission denied"},
      {"failing read", [&] { fs::create_symlink(faults::kFailingReadFile, path_); },
       ReadFailure::Other, "Input/output error"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(path_);
    c.place();
    PresetStore store = VariedStore();  // LoadSettings must start from the start values
    const util::ReadResult result = LoadSettings(store, path_);
    EXPECT_EQ(result.Failure, c.failure);
    EXPECT_EQ(result.SystemMessage, c.systemMessage);
    ExpectSameStore(store, result ? RoundedTo15Digits(saved) : PresetStore{});
  }
}

TEST_F(SettingsFile, SaveThenLoadGivesTheSameTable) {
  PresetStore store = VariedStore();
  ASSERT_TRUE(SaveSettings(store, path_));
  const std::string firstSave = Bytes();
  PresetStore loaded = Load();
  ExpectSameStore(loaded, RoundedTo15Digits(store));
  ASSERT_TRUE(SaveSettings(loaded, path_));
  EXPECT_EQ(Bytes(), firstSave);
  EXPECT_EQ(fs::directory_iterator(folder_)->path(), path_);  // no temporary file left
}

TEST_F(SettingsFile, ValuesSitOnTheirLineNumbers) {
  PresetStore store;
  store.FormLeft = 12;
  store.FormTop = -3;
  store.CurrentPreset = 20;
  store.Preset(1).Comment = "first";
  store.Preset(1).Lines[0].DrawOn = true;
  store.Preset(2).Lines[2].Spacing = 2.5;
  store.Preset(2).Lines[2].LineWidth = 123;
  store.Preset(20).Comment = "last";
  store.Preset(20).Lines[9].Radius = 1e-5;
  store.Preset(20).Lines[9].LineWidth = 30000;
  ASSERT_TRUE(SaveSettings(store, path_));
  const std::vector<std::string> lines = Lines();
  ASSERT_EQ(lines.size(), static_cast<std::size_t>(kLineCount));
  const auto at = [&](int line) { return lines[static_cast<std::size_t>(line - 1)]; };
  EXPECT_EQ(at(1), "12");
  EXPECT_EQ(at(2), "-3");
  EXPECT_EQ(at(3), "20");
  EXPECT_EQ(at(4), "first");
  EXPECT_EQ(at(5), "1");
  for (int line = 6; line <= 11; ++line) EXPECT_EQ(at(line), line == 11 ? "-1" : "0") << line;
  EXPECT_EQ(at(CommentLine(2)), "");
  EXPECT_EQ(CommentLine(2), 75);
  EXPECT_EQ(at(FieldLine(2, 3, 1)), "2.5");
  EXPECT_EQ(at(FieldLine(2, 3, 6)), "123");
  EXPECT_EQ(at(1353), "last");
  EXPECT_EQ(at(1423 - 4), "1E-5");
  EXPECT_EQ(at(1423), "30000");
}

TEST_F(SettingsFile, CurrentPresetOutsideOneToTwentyBecomesOne) {
  const std::pair<std::string, int> cases[] = {{"0", 1}, {"21", 1},  {"-3", 1}, {"abc", 1},
                                               {"", 1},  {"20", 20}, {" 7", 7}, {"$A", 10}};
  for (const auto& [text, expected] : cases) {
    WriteFile(3, {{1, "1"}, {2, "2"}, {3, text}});
    EXPECT_EQ(Load().CurrentPreset, expected) << text;
  }
}

TEST_F(SettingsFile, RowRulesApplyOnLoadAndRadiusRuleOnSave) {
  WriteFile(kLineCount, {{FieldLine(1, 1, 2), "-2"},
                         {FieldLine(1, 2, 2), "1e400"},
                         {FieldLine(1, 1, 1), "-5"},
                         {FieldLine(1, 1, 4), "300"},
                         {FieldLine(1, 1, 6), "30000"},
                         {FieldLine(1, 2, 6), "30001"},
                         {FieldLine(1, 3, 6), "-2"},
                         {FieldLine(1, 4, 6), ""},
                         {FieldLine(1, 5, 6), "-1"}});
  PresetStore store = Load();
  const auto& rows = store.Preset(1).Lines;
  EXPECT_EQ(rows[0].Radius, 0.0);
  EXPECT_EQ(rows[1].Radius, 0.0);
  EXPECT_EQ(rows[0].Spacing, -5.0);
  EXPECT_EQ(rows[0].ColorIndex, 300);
  EXPECT_EQ(rows[0].LineWidth, 30000);
  EXPECT_EQ(rows[1].LineWidth, -1);
  EXPECT_EQ(rows[2].LineWidth, -1);
  EXPECT_EQ(rows[3].LineWidth, 0);
  EXPECT_EQ(rows[4].LineWidth, -1);

  store.Preset(4).Lines[6].Radius = -7.5;  // as if set without the rule
  ASSERT_TRUE(SaveSettings(store, path_));
  EXPECT_EQ(store.Preset(4).Lines[6].Radius, 0.0);
  EXPECT_EQ(Lines()[static_cast<std::size_t>(FieldLine(4, 7, 2) - 1)], "0");
  EXPECT_EQ(Lines()[static_cast<std::size_t>(FieldLine(1, 1, 1) - 1)], "-5");
}

TEST_F(SettingsFile, FlagsAcceptEveryTrueWord) {
  const std::pair<std::string, bool> cases[] = {{"TRUE", true}, {"ON", true},  {" t ", true},
                                                {"1", true},    {"0", false},  {"x", false},
                                                {"", false},    {"yes", false}};
  for (const auto& [text, expected] : cases) {
    WriteFile(kLineCount, {{FieldLine(9, 5, 0), text}, {FieldLine(9, 5, 3), text}});
    const TLineRow row = Load().Preset(9).Lines[4];
    EXPECT_EQ(row.DrawOn, expected) << text;
    EXPECT_EQ(row.PaperSize, expected) << text;
  }
}

TEST_F(SettingsFile, ShortFileReadsMissingLinesAsEmpty) {
  WriteFile(3, {{1, "120"}, {2, "80"}, {3, "7"}});
  const PresetStore store = Load();
  EXPECT_EQ(store.FormLeft, 120);
  EXPECT_EQ(store.FormTop, 80);
  EXPECT_EQ(store.CurrentPreset, 7);
  for (const TLineTable& preset : store.Presets) {
    EXPECT_EQ(preset.Comment, "");
    for (const TLineRow& row : preset.Lines) {
      TLineRow emptyRow;
      emptyRow.LineWidth = 0;  // an empty width line reads as 0, not as the start value -1
      EXPECT_TRUE(row == emptyRow);
    }
  }
}

TEST_F(SettingsFile, EmptyFileAndLinesBeyondTheLastAreHarmless) {
  WriteFile(0, {});
  EXPECT_EQ(Load().CurrentPreset, 1);
  EXPECT_EQ(Load().Preset(1).Lines[0].LineWidth, 0);

  PresetStore store = VariedStore();
  ASSERT_TRUE(SaveSettings(store, path_));
  std::ofstream(path_, std::ios::binary | std::ios::app) << "999\r\n1\r\n";
  ExpectSameStore(Load(), RoundedTo15Digits(store));
}

TEST_F(SettingsFile, OptionsFollowTheLayoutOnlyWhenSomePresetUsesOne) {
  PresetStore store = VariedRowsOnly();
  store.Preset(4).Options.BaseRadius = -3;  // the Radius rule makes it the default again
  ASSERT_TRUE(SaveSettings(store, path_));
  EXPECT_EQ(store.Preset(4).Options.BaseRadius, 0.0);
  const std::vector<std::string> classic = Lines();
  ASSERT_EQ(classic.size(), static_cast<std::size_t>(kLineCount));

  store.Preset(7).Options.EndCap = CapStyle::Arc;
  store.Preset(20).Options = {CornerMode::Concentric, 2.5, true, CapStyle::Line, CapStyle::None};
  ASSERT_TRUE(SaveSettings(store, path_));
  const std::vector<std::string> lines = Lines();
  ASSERT_EQ(lines.size(), 1524u);
  // An older program reads the first 1423 lines: they are what it would have written.
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + kLineCount), classic);
  const auto at = [&](int line) { return lines[static_cast<std::size_t>(line - 1)]; };
  EXPECT_EQ(at(kMarkerLine), "[tq58 presets v2]");
  EXPECT_EQ(at(OptionLine(7, 4)), "2");
  const char* const preset20[] = {"1", "2.5", "1", "1", "0"};
  for (int f = 0; f < 5; ++f) EXPECT_EQ(at(OptionLine(20, f)), preset20[f]) << f;
  for (int f = 0; f < 5; ++f) EXPECT_EQ(at(OptionLine(1, f)), "0") << f;
}

struct OptionsLoadCase {
  const char* name;
  std::string marker;
  std::vector<std::pair<int, std::string>> preset5;  // (option 0..4, text)
  TPresetOptions expected;
  std::string junctionMarker{};
  std::string junction5{};  // with it the file has the junctions' block: 1545 lines
};

void PrintTo(const OptionsLoadCase& c, std::ostream* out) { *out << c.name; }

class OptionsLoad : public SettingsFile, public testing::WithParamInterface<OptionsLoadCase> {};

TEST_P(OptionsLoad, TakesTheOptionsOfAMarkedBlockWithinTheirRules) {
  const OptionsLoadCase& c = GetParam();
  std::vector<std::pair<int, std::string>> values = {{3, "5"}, {kMarkerLine, c.marker}};
  for (const auto& [field, text] : c.preset5) values.emplace_back(OptionLine(5, field), text);
  if (!c.junction5.empty()) {
    values.insert(values.end(),
                  {{kJunctionMarkerLine, c.junctionMarker}, {JunctionLine(5), c.junction5}});
  }
  WriteFile(c.junction5.empty() ? 1524 : 1545, values);
  const PresetStore store = Load();
  EXPECT_EQ(store.CurrentPreset, 5);
  for (int p = 1; p <= kPresetCount; ++p) {
    const TPresetOptions expected = p == 5 ? c.expected : TPresetOptions{};
    EXPECT_TRUE(store.Preset(p).Options == expected) << "preset " << p;
  }
}

constexpr char kMarker[] = "[tq58 presets v2]";
constexpr char kJunctionMarker[] = "[tq58 junctions v1]";
const TPresetOptions kEveryOption = {CornerMode::Concentric, 2.5, true, CapStyle::Line,
                                     CapStyle::Arc};
const TPresetOptions kEveryOptionClean = {
    CornerMode::Concentric, 2.5, true, CapStyle::Line, CapStyle::Arc, JunctionMode::Clean};
const std::vector<std::pair<int, std::string>> kEveryOptionText = {
    {0, "1"}, {1, "2.5"}, {2, "1"}, {3, "1"}, {4, "2"}};

INSTANTIATE_TEST_SUITE_P(
    Block, OptionsLoad,
    testing::Values(OptionsLoadCase{"Marked", kMarker, kEveryOptionText, kEveryOption},
                    OptionsLoadCase{"NoMarker", "", kEveryOptionText, {}},
                    OptionsLoadCase{"AnotherMarker", "[tq58 presets v3]", kEveryOptionText, {}},
                    OptionsLoadCase{"OutOfRange", kMarker, {{0, "2"}, {3, "4"}, {4, "-1"}}, {}},
                    OptionsLoadCase{"Unreadable", kMarker, {{0, "x"}, {1, "abc"}, {3, "1.5"}}, {}},
                    OptionsLoadCase{"NegativeRadiusReadsZero",
                                    kMarker,
                                    {{0, "1"}, {1, "-4"}},
                                    {CornerMode::Concentric}}),
    [](const auto& info) { return std::string(info.param.name); });

// The junctions' block is ours only right after the options' block and with its own marker;
// without it the options' block reads as it does alone.
INSTANTIATE_TEST_SUITE_P(
    JunctionsBlock, OptionsLoad,
    testing::Values(
        OptionsLoadCase{"BothBlocks", kMarker, kEveryOptionText, kEveryOptionClean, kJunctionMarker,
                        "1"},
        OptionsLoadCase{"NoJunctionMarker", kMarker, kEveryOptionText, kEveryOption, "", "1"},
        OptionsLoadCase{"JunctionsWithoutTheOptionsMarker", "", {}, {}, kJunctionMarker, "1"},
        OptionsLoadCase{"JunctionAboveRange", kMarker, {}, {}, kJunctionMarker, "2"},
        OptionsLoadCase{"JunctionBelowRange", kMarker, {}, {}, kJunctionMarker, "-1"}),
    [](const auto& info) { return std::string(info.param.name); });

// Junctions alone write the options' block too, with default options, so that the junctions'
// block always starts on line 1525.
TEST_F(SettingsFile, JunctionsFollowTheOptionsBlockEvenWithDefaultOptions) {
  PresetStore store;
  store.Preset(9).Options.Junctions = JunctionMode::Clean;
  store.Preset(11).Options.Junctions = static_cast<JunctionMode>(5);  // the rule makes it None
  ASSERT_TRUE(SaveSettings(store, path_));
  const std::vector<std::string> lines = Lines();
  ASSERT_EQ(lines.size(), 1545u);
  for (int line = kMarkerLine; line <= 1545; ++line) {
    const char* expected = line == kMarkerLine           ? kMarker
                           : line == kJunctionMarkerLine ? kJunctionMarker
                           : line == JunctionLine(9)     ? "1"
                                                         : "0";
    EXPECT_EQ(lines[static_cast<std::size_t>(line - 1)], expected) << line;
  }
}

// Fill alone writes the blocks before its own, with their defaults, so that the fill's block
// always starts on line 1546.
TEST_F(SettingsFile, FillFollowsTheJunctionsBlockEvenWithDefaultOptions) {
  PresetStore store;
  store.Preset(3).Options.Fill = true;
  store.Preset(20).Options.FillColor = 255;
  store.Preset(8).Options.FillColor = -5;  // the rule makes it the default
  ASSERT_TRUE(SaveSettings(store, path_));
  const std::vector<std::string> lines = Lines();
  ASSERT_EQ(lines.size(), 1586u);
  EXPECT_EQ(lines[kMarkerLine - 1], kMarker);
  EXPECT_EQ(lines[kJunctionMarkerLine - 1], kJunctionMarker);
  EXPECT_EQ(lines[kFillMarkerLine - 1], "[tq58 fill v1]");
  for (int p = 1; p <= kPresetCount; ++p) {
    EXPECT_EQ(lines[FillLine(p, 0) - 1], p == 3 ? "1" : "0") << p;
    EXPECT_EQ(lines[FillLine(p, 1) - 1], p == 20 ? "255" : "12632256") << p;
  }
}

// Each layout loads as it was saved and an OK that changes nothing writes it again byte for
// byte; the block a step adds leaves the lines before it as the step before wrote them, as an
// older version reads them. The layers' block holds each preset's ten rows, then its fill.
TEST_F(SettingsFile, EveryLayoutRoundTripsAndKeepsTheLinesBeforeItsBlocks) {
  const std::pair<std::size_t, std::function<void(PresetStore&)>> steps[] = {
      {1423, [](PresetStore&) {}},
      {1524, [](PresetStore& s) { s.Preset(2).Options.EndCap = CapStyle::Arc; }},
      {1545, [](PresetStore& s) { s.Preset(5).Options.Junctions = JunctionMode::Clean; }},
      {1586, [](PresetStore& s) { s.Preset(6).Options.Fill = true; }},
      {1807, [](PresetStore& s) { s.Preset(20).Lines[9].Layer = 15; }},
  };
  PresetStore store = VariedRowsOnly();
  std::vector<std::string> before;
  for (const auto& [lineCount, step] : steps) {
    step(store);
    PresetStore saved = store;
    ASSERT_TRUE(SaveSettings(saved, path_));
    const std::vector<std::string> lines = Lines();
    ASSERT_EQ(lines.size(), lineCount);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), lines.begin())) << lineCount;
    PresetStore loaded = Load();
    ExpectSameStore(loaded, RoundedTo15Digits(store));
    ASSERT_TRUE(SaveSettings(loaded, path_));
    EXPECT_EQ(Lines(), lines) << lineCount;
    before = lines;
  }
  EXPECT_EQ(before[kLayerMarkerLine - 1], "[tq58 layers v1]");
  EXPECT_EQ(before[LayerLine(20, 10) - 1], "15");
  EXPECT_EQ(before[LayerLine(20, 11) - 1], "-1");
}

// Preset 5's layers as text, row 3 and the fill, and what they read as: a layer 0..15, or the
// host's write layer for any other number; a text that is no number reads 0, as everywhere.
TEST_F(SettingsFile, LayersBlockIsReadWithinItsRules) {
  const std::tuple<const char*, const char*, int32_t> cases[] = {
      {"[tq58 layers v1]", "0", 0},   {"[tq58 layers v1]", "15", 15},
      {"[tq58 layers v1]", "-1", -1}, {"[tq58 layers v1]", "16", -1},
      {"[tq58 layers v1]", "-2", -1}, {"[tq58 layers v1]", "$A", 10},
      {"[tq58 layers v1]", "x", 0},   {"[tq58 layers v2]", "7", -1},
  };
  for (const auto& [marker, text, expected] : cases) {
    WriteFile(1807, {{kMarkerLine, kMarker},
                     {kJunctionMarkerLine, kJunctionMarker},
                     {kFillMarkerLine, "[tq58 fill v1]"},
                     {kLayerMarkerLine, marker},
                     {LayerLine(5, 3), text},
                     {LayerLine(5, 11), text}});
    const TLineTable preset = Load().Preset(5);
    EXPECT_EQ(preset.Lines[2].Layer, expected) << marker << " " << text;
    EXPECT_EQ(preset.Options.FillLayer, expected) << marker << " " << text;
  }
}

// The fill's marker and preset 5's colour as text, and the options they give (its box ticked).
TEST_F(SettingsFile, FillBlockIsReadWithinItsRules) {
  const std::tuple<const char*, const char*, bool, int32_t> cases[] = {
      {"[tq58 fill v1]", "255", true, 255},
      {"[tq58 fill v1]", "16777215", true, 16777215},
      {"[tq58 fill v1]", "16777216", true, kDefaultFillColor},
      {"[tq58 fill v1]", "-1", true, kDefaultFillColor},
      {"[tq58 fill v2]", "255", false, kDefaultFillColor},
  };
  for (const auto& [marker, color, fill, expectedColor] : cases) {
    WriteFile(1586, {{kMarkerLine, kMarker},
                     {kJunctionMarkerLine, kJunctionMarker},
                     {kFillMarkerLine, marker},
                     {FillLine(5, 0), "1"},
                     {FillLine(5, 1), color}});
    const TPresetOptions options = Load().Preset(5).Options;
    EXPECT_EQ(options.Fill, fill) << marker << " " << color;
    EXPECT_EQ(options.FillColor, expectedColor) << marker << " " << color;
  }
}

TEST_F(SettingsFile, CommentStaysOnOneLine) {
  PresetStore store;
  store.Preset(1).Comment =
      "a\r\nb\nc\x1A"
      "d";
  ASSERT_TRUE(SaveSettings(store, path_));
  ASSERT_EQ(Lines().size(), static_cast<std::size_t>(kLineCount));
  const PresetStore loaded = Load();
  EXPECT_EQ(loaded.Preset(1).Comment, "abcd");
  EXPECT_EQ(loaded.Preset(1).Lines[0].LineWidth, -1);
}

}  // namespace
}  // namespace tq58
