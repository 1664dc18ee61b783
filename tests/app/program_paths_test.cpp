// The files beside the program: the exchange file by its fixed name, the settings file by
// the program's own name.
#include "app/program_paths.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

struct SettingsNameCase {
  const char* Name;
  fs::path Program;
  fs::path Expected;
};

const SettingsNameCase kSettingsNames[] = {
    {"WithExtension", "/opt/jw/tq58.exe", "/opt/jw/tq58.dat"},
    {"WithoutExtension", "/opt/jw/tq58", "/opt/jw/tq58.dat"},
    {"RenamedProgram", "/opt/jw/multi line.exe", "/opt/jw/multi line.dat"},
    {"DottedFolderNoExtension", "/opt/jw.v8/tq58", "/opt/jw.v8/tq58.dat"},
    {"TwoDotsReplacesLastOnly", "/opt/jw/tq58.v2.exe", "/opt/jw/tq58.v2.dat"},
    {"JapaneseFolder", "/opt/\xE5\x9B\xB3\xE9\x9D\xA2/tq58",
     "/opt/\xE5\x9B\xB3\xE9\x9D\xA2/tq58.dat"},
};

class SettingsName : public testing::TestWithParam<SettingsNameCase> {};

TEST_P(SettingsName, ReplacesOrAppendsTheExtension) {
  EXPECT_EQ(tq58::SettingsFileName(GetParam().Program), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Programs, SettingsName, testing::ValuesIn(kSettingsNames),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(ProgramPaths, ExeFolderEndsInTheDelimiter) {
  EXPECT_EQ(tq58::ExeFolder("/opt/jw.v8/tq58").string(), "/opt/jw.v8/");
  EXPECT_EQ(tq58::ExchangeFileName(tq58::ExeFolder("/opt/jw/tq58")),
            fs::path("/opt/jw/JWC_TEMP.TXT"));
}

TEST(ProgramPaths, FilesBesideAProgramKeepTheFixedExchangeName) {
  const tq58::ProgramFiles files = tq58::ProgramFilesBeside("/opt/jw/renamed.bin");
  EXPECT_EQ(files.ExchangeFile, fs::path("/opt/jw/JWC_TEMP.TXT"));
  EXPECT_EQ(files.SettingsFile, fs::path("/opt/jw/renamed.dat"));
}

TEST(ProgramPaths, ProgramFileIsThisTestProgramWhereverTheWorkingFolderIs) {
  const fs::path before = tq58::ProgramFile();
  const fs::path workingFolder = fs::current_path();
  fs::current_path(fs::temp_directory_path());
  const fs::path after = tq58::ProgramFile();
  fs::current_path(workingFolder);

  EXPECT_TRUE(before.is_absolute());
  EXPECT_EQ(before.filename(), "tq58_app_tests");
  EXPECT_TRUE(fs::equivalent(before, "/proc/self/exe"));
  EXPECT_EQ(after, before);
}

}  // namespace
