// The Windows build (tq58.exe) run under Wine in a folder with a Japanese name: the same
// cases as the native program, with output byte-identical to the native build's.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/end_to_end.h"

namespace {

namespace fs = std::filesystem;
using tq58_test::EndToEndCase;

constexpr char kWine[] = "/usr/lib/wine/wine64";
constexpr char kFolderName[] =
    "\xE5\x9B\xB3\xE9\x9D\xA2 \xE3\x83\x95\xE3\x82\xA9\xE3\x83\xAB\xE3\x83\x80";  // "図面 フォルダ"

tq58_test::ProgramUnderTest WindowsBuildUnderWine(std::string wineDebug) {
  // No display: the program must not need one, and a window it tried to create would be
  // reported by Wine on standard error.
  return {TQ58_WINDOWS_PROGRAM_PATH,
          ".exe",
          {kWine},
          {"WINEPREFIX=" TQ58_WINE_PREFIX, "WINEDEBUG=" + wineDebug, "LANG=C.UTF-8", "DISPLAY"},
          kFolderName};
}

const tq58_test::ProgramUnderTest kNativeProgram{TQ58_PROGRAM_PATH, "", {}, {}, "native"};

class WindowsProgram : public testing::TestWithParam<EndToEndCase> {
 protected:
  void SetUp() override {
    // Without the Windows build these tests fail: scripts/test.sh builds it first.
    ASSERT_TRUE(fs::exists(TQ58_WINDOWS_PROGRAM_PATH))
        << TQ58_WINDOWS_PROGRAM_PATH << " is missing: build the windows preset first";
    ASSERT_TRUE(fs::exists(kWine));
  }
};

TEST_P(WindowsProgram, WritesWhatTheNativeProgramWrites) {
  const EndToEndCase& testCase = GetParam();
  const auto outcome =
      tq58_test::RunEndToEndCase(testCase, WindowsBuildUnderWine("-all"), TQ58_E2E_DATA_DIR);
  tq58_test::CheckEndToEndOutcome(testCase, outcome, TQ58_E2E_DATA_DIR);

  const auto native = tq58_test::RunEndToEndCase(testCase, kNativeProgram, TQ58_E2E_DATA_DIR);
  EXPECT_EQ(outcome.Exchange, native.Exchange) << "the two builds wrote different files";
}

INSTANTIATE_TEST_SUITE_P(Cases, WindowsProgram, testing::ValuesIn(tq58_test::EndToEndCases()),
                         [](const auto& info) { return info.param.Name; });

// Wine reports a window that a program tries to create without a display ("make sure that
// your X server is running"); a transformation run creates none and waits for nothing.
TEST(WindowsProgramUnderWine, TransformationCreatesNoWindow) {
  ASSERT_TRUE(fs::exists(TQ58_WINDOWS_PROGRAM_PATH));
  for (const EndToEndCase& testCase : tq58_test::EndToEndCases()) {
    if (testCase.Name != "PolylineAroundClosedSquare") continue;
    const auto outcome = tq58_test::RunEndToEndCase(
        testCase, WindowsBuildUnderWine("-all,err+winediag"), TQ58_E2E_DATA_DIR);
    tq58_test::CheckEndToEndOutcome(testCase, outcome, TQ58_E2E_DATA_DIR);
    EXPECT_EQ(outcome.Process.Stderr.find("X server"), std::string::npos) << outcome.Process.Stderr;
  }
}

}  // namespace
