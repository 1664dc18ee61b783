// The end-to-end cases and their run: fresh folders, decoy files in the working folder, and
// the checks that hold for every build.
#include "support/end_to_end.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/files.h"

namespace tq58_test {
namespace {

namespace fs = std::filesystem;

constexpr std::chrono::seconds kTimeLimit{60};

SettingsRow Row(std::string spacing, std::string radius, std::string paperSize,
                std::string colorIndex, std::string lineTypeIndex, std::string lineWidth) {
  return {"1", spacing, radius, paperSize, colorIndex, lineTypeIndex, lineWidth};
}

// Preset 4 is current: one line 1 to the left of the base line, corners rounded with 2.
std::string SquareSettings() {
  return SettingsFileText(4, 4, {Row("1", "2", "0", "2", "0", "-1")});
}

// Preset 4 is current, as in SquareSettings; preset 5 draws two lines on the right, one of
// them rounded, in another colour.
std::string TwoPresetSettings() {
  return SettingsFileText(
      4, {{4, {Row("1", "2", "0", "2", "0", "-1")}},
          {5, {Row("-1", "1.5", "0", "3", "0", "-1"), Row("-2.5", "0", "0", "4", "0", "-1")}}});
}

// Preset 2 is current, with rows to the right and left, a paper-size row, mapped colours,
// line types and widths, and a row that is switched off.
std::string ZigzagSettings() {
  SettingsRow off = Row("50", "1", "0", "1", "1", "1");
  off.DrawOn = "0";
  return SettingsFileText(
      2, 2,
      {Row("-5", "3", "0", "3", "2", "-1"), off, Row("0.5", "0.25", "1", "10", "19", "35"),
       Row("8", "0", "0", "0", "0", "30001")});
}

// Preset 3 is current: a road 6000 wide with a dash-dot centre line, its corners concentric
// about a base radius of 35 paper mm (3500 at the sample's layer-group scale of 100), both
// ends closed by half circles. The rows' own radii of 10000 are not used.
std::string ConcentricRoadSettings() {
  return SettingsFileText(
             3, 3,
             {Row("0", "10000", "0", "8", "6", "-1"), Row("3000", "10000", "0", "2", "1", "-1"),
              Row("-3000", "10000", "0", "2", "1", "-1")}) +
         OptionsBlockText(3, {"1", "35", "1", "2", "2"});
}

// What the files in the working folder, and a settings file of the wrong name, would draw if
// they were ever read instead of the program's own.
std::string DecoySettings() { return SettingsFileText(1, 1, {Row("5", "0", "0", "7", "0", "-1")}); }
constexpr char kDecoyExchange[] = "lg9\r\nly9\r\nhp1 0 0\r\nhp2 50 0\r\n";

std::vector<std::string> NamesIn(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> SettingsBytesIn(const fs::path& folder) {
  std::vector<std::string> settings;
  for (const std::string& name : NamesIn(folder)) {
    if (fs::path(name).extension() == ".dat")
      settings.push_back(name + ":" + ReadBytes(folder / name));
  }
  return settings;
}

}  // namespace

std::vector<EndToEndCase> EndToEndCases() {
  const std::string square = SquareSettings();
  const std::string zigzag = ZigzagSettings();
  std::vector<EndToEndCase> cases = {
      {"PolylineAroundClosedSquare", {"2"}, "tq58", "square.txt", square, "square_polyline.txt"},
      {"SegmentTakesTheFirstTwoPoints", {"1"}, "tq58", "zigzag.txt", zigzag, "zigzag_segment.txt"},
      {"ArgumentsAfterTheFirstAreIgnored",
       {"1", "x"},
       "tq58",
       "zigzag.txt",
       zigzag,
       "zigzag_segment.txt"},
      {"PolylineWithRowsOfEveryKind", {"2"}, "tq58", "zigzag.txt", zigzag, "zigzag_polyline.txt"},
      {"RenamedProgramReadsItsOwnSettings",
       {"2"},
       "multi",
       "square.txt",
       square,
       "square_polyline.txt"},
      {"NoExchangeFile", {"2"}, "tq58", "", square, "no_exchange_file.txt"},
      {"NoSettingsFile", {"2"}, "tq58", "square.txt", std::nullopt, "no_settings_file.txt"},
      {"BundledSample",
       {"2"},
       "tq58",
       TQ58_SAMPLES_DIR "/JWC_TEMP.TXT",
       ReadBytes(TQ58_SAMPLES_DIR "/tq58.dat"),
       "sample_polyline.txt"},
      {"ConcentricRoadWithArcCaps",
       {"2"},
       "tq58",
       TQ58_SAMPLES_DIR "/JWC_TEMP.TXT",
       ConcentricRoadSettings(),
       "concentric_road.txt"},
      // "/s": along the sample's selected curve instead of its points, "/r" turned round.
      {"ReversedChainOfTheBundledSample",
       {"1", "/s", "/r"},
       "tq58",
       TQ58_SAMPLES_DIR "/JWC_TEMP.TXT",
       ConcentricRoadSettings(),
       "sample_chain_reversed.txt"},
      // A network of chains with its junctions cleaned: T, X, Y, a grid, a junction on a curve.
      {"JunctionsOfTheBundledNetworks",
       {"1", "/s"},
       "tq58",
       TQ58_SAMPLES_DIR "/junctions.txt",
       ReadBytes(TQ58_SAMPLES_DIR "/junctions.dat"),
       "junctions_sample.txt"},
      // A wall plan's axes with the kit's preset 9: the fill on layer 3, the axes on layer 2,
      // the walls on layer 1, and the host's layer 0 again before the notice.
      {"WallPlanOnLayersOfItsOwn",
       {"1", "/s", "/p9"},
       "tq58",
       "wall_plan.txt",
       ReadBytes(TQ58_KIT_DIR "/tq58_sample.dat"),
       "wall_plan_layers.txt"},
  };
  // "/pN" after the first argument draws preset N for this run; anything else is ignored.
  const std::string twoPresets = TwoPresetSettings();
  cases.push_back({"PresetArgumentDrawsThatPreset",
                   {"2", "/p5"},
                   "tq58",
                   "square.txt",
                   twoPresets,
                   "square_preset5.txt"});
  const std::vector<std::pair<std::string, std::string>> ignoredPresetArguments = {
      {"OutOfRange", "/p21"}, {"NotANumber", "/px"}, {"WithoutSlash", "p5"}};
  for (const auto& [name, argument] : ignoredPresetArguments) {
    cases.push_back({"PresetArgument" + name + "IsIgnored",
                     {"2", argument},
                     "tq58",
                     "square.txt",
                     twoPresets,
                     "square_polyline.txt"});
  }
  // Anything but an exact "1" or "2" first is settings mode: nothing is written.
  const std::vector<std::vector<std::string>> settingsModeArguments = {
      {}, {"01"}, {" 1"}, {"1 "}, {"\xEF\xBC\x91"}, {"3"}, {"x", "1"}};
  const char* const names[] = {"NoArgument",   "LeadingZero", "LeadingBlank",       "TrailingBlank",
                               "FullWidthOne", "Three",       "OneAsSecondArgument"};
  for (std::size_t i = 0; i < settingsModeArguments.size(); ++i) {
    cases.push_back({std::string("SettingsMode") + names[i], settingsModeArguments[i], "tq58",
                     "square.txt", square, ""});
  }
  return cases;
}

void PrintTo(const EndToEndCase& testCase, std::ostream* out) { *out << testCase.Name; }

EndToEndOutcome RunEndToEndCase(const EndToEndCase& testCase, const ProgramUnderTest& program,
                                const fs::path& dataFolder) {
  TempFolder root;
  TempFolder working;
  const fs::path folder = root.Path() / program.FolderName;
  fs::create_directories(folder);
  const fs::path copied = folder / (testCase.ProgramStem + program.Extension);
  fs::copy_file(program.Program, copied);
  fs::permissions(copied, fs::perms::owner_all, fs::perm_options::add);

  if (!testCase.Input.empty()) {
    WriteBytes(folder / "JWC_TEMP.TXT", ReadBytes(dataFolder / testCase.Input));
  }
  if (testCase.Settings) WriteBytes(folder / (testCase.ProgramStem + ".dat"), *testCase.Settings);
  if (testCase.ProgramStem != "tq58") WriteBytes(folder / "tq58.dat", DecoySettings());
  WriteBytes(working.Path() / "JWC_TEMP.TXT", kDecoyExchange);
  WriteBytes(working.Path() / "tq58.dat", DecoySettings());
  WriteBytes(working.Path() / (testCase.ProgramStem + ".dat"), DecoySettings());
  const std::vector<std::string> workingNames = NamesIn(working.Path());

  EndToEndOutcome outcome;
  outcome.ExchangeBefore = ReadBytesIfPresent(folder / "JWC_TEMP.TXT");
  outcome.FilesBefore = NamesIn(folder);
  outcome.SettingsBefore = SettingsBytesIn(folder);

  std::vector<std::string> arguments = program.Launcher;
  arguments.push_back(copied.string());
  arguments.insert(arguments.end(), testCase.Arguments.begin(), testCase.Arguments.end());
  outcome.Process = RunProcess(arguments, working.Path(), program.Environment, kTimeLimit);

  outcome.Exchange = ReadBytesIfPresent(folder / "JWC_TEMP.TXT");
  outcome.FilesAfter = NamesIn(folder);
  outcome.SettingsAfter = SettingsBytesIn(folder);
  outcome.WorkingFolderUntouched =
      NamesIn(working.Path()) == workingNames &&
      ReadBytes(working.Path() / "JWC_TEMP.TXT") == kDecoyExchange &&
      ReadBytes(working.Path() / "tq58.dat") == DecoySettings() &&
      ReadBytes(working.Path() / (testCase.ProgramStem + ".dat")) == DecoySettings();
  return outcome;
}

void CheckEndToEndOutcome(const EndToEndCase& testCase, const EndToEndOutcome& outcome,
                          const fs::path& dataFolder) {
  ASSERT_TRUE(outcome.Process.Started);
  EXPECT_FALSE(outcome.Process.TimedOut) << "the program did not end within the time limit";
  EXPECT_EQ(outcome.Process.ExitStatus, 0);
  EXPECT_TRUE(outcome.WorkingFolderUntouched) << "a file in the working folder was used";
  EXPECT_EQ(outcome.SettingsAfter, outcome.SettingsBefore) << "a settings file was written";

  if (testCase.Expected.empty()) {
    EXPECT_EQ(outcome.FilesAfter, outcome.FilesBefore);
    EXPECT_EQ(outcome.Exchange, outcome.ExchangeBefore)
        << "settings mode changed the exchange file";
    return;
  }
  std::vector<std::string> expectedNames = outcome.FilesBefore;
  if (!outcome.ExchangeBefore) expectedNames.push_back("JWC_TEMP.TXT");
  std::sort(expectedNames.begin(), expectedNames.end());
  EXPECT_EQ(outcome.FilesAfter, expectedNames) << "files were left beside the program";
  ASSERT_TRUE(outcome.Exchange.has_value()) << "JWC_TEMP.TXT was not written";
  EXPECT_EQ(*outcome.Exchange, ReadBytes(dataFolder / testCase.Expected));
}

}  // namespace tq58_test
