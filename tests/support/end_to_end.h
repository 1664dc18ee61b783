// The end-to-end cases that both builds of the program run, and how one case is run: the
// program copied into a fresh folder with its files, started from another working folder.
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "support/process.h"

namespace tq58_test {

struct EndToEndCase {
  std::string Name;
  std::vector<std::string> Arguments;  // after the program name
  std::string ProgramStem;             // the program's file name without extension
  std::string Input;  // JWC_TEMP.TXT, in the data folder unless absolute; empty: none
  std::optional<std::string> Settings;  // text of the program's settings file; none: no file
  std::string Expected;  // expected JWC_TEMP.TXT from the data folder; empty: nothing is written
};

// The shared cases.
std::vector<EndToEndCase> EndToEndCases();

// Test logs name a case by its name rather than by its bytes.
void PrintTo(const EndToEndCase& testCase, std::ostream* out);

// How a build of the program is started.
struct ProgramUnderTest {
  std::filesystem::path Program;         // the built program
  std::string Extension;                 // "" or ".exe"
  std::vector<std::string> Launcher;     // placed before the program, e.g. Wine
  std::vector<std::string> Environment;  // changes to the environment of the run
  std::string FolderName;                // the folder the program is copied into
};

// What a run left behind.
struct EndToEndOutcome {
  ProcessResult Process;
  std::optional<std::string> Exchange;  // JWC_TEMP.TXT beside the program afterwards
  std::optional<std::string> ExchangeBefore;
  std::vector<std::string> FilesBefore;  // names in the program's folder
  std::vector<std::string> FilesAfter;
  std::vector<std::string> SettingsBefore;  // every settings file's bytes, program folder first
  std::vector<std::string> SettingsAfter;
  bool WorkingFolderUntouched = false;  // the decoys in the working folder are as they were
};

// Runs one case with `program`; inputs come from `dataFolder`.
EndToEndOutcome RunEndToEndCase(const EndToEndCase& testCase, const ProgramUnderTest& program,
                                const std::filesystem::path& dataFolder);

// Checks with gtest assertions what every build must show for `testCase`: exit status 0,
// the expected file byte for byte, or, in settings mode, no file written or changed.
void CheckEndToEndOutcome(const EndToEndCase& testCase, const EndToEndOutcome& outcome,
                          const std::filesystem::path& dataFolder);

}  // namespace tq58_test
