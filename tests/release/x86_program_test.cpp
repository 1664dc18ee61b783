// The 32-bit Windows build (x86/tq58.exe) under Wine: the same cases as the other builds, and
// the same bytes. The 64-bit build is checked against the same expected files and the native
// build by the Wine tests, so equal files here make all three builds agree.
#include <gtest/gtest.h>

#include <filesystem>

#include "release/x86_wine_verdict.h"
#include "support/end_to_end.h"

namespace {

namespace fs = std::filesystem;
using tq58_test::EndToEndCase;

constexpr char kWine[] = "/usr/lib/wine/wine64";

const tq58_test::ProgramUnderTest kX86Program{
    TQ58_X86_PROGRAM_PATH,
    ".exe",
    {kWine},
    {"WINEPREFIX=" TQ58_WINE_PREFIX, "WINEDEBUG=-all", "LANG=C.UTF-8", "DISPLAY"},
    "x86 \xE5\x9B\xB3\xE9\x9D\xA2"};  // "x86 図面"
const tq58_test::ProgramUnderTest kNativeProgram{TQ58_PROGRAM_PATH, "", {}, {}, "native"};

class X86Program : public testing::TestWithParam<EndToEndCase> {
 protected:
  void SetUp() override {
    // scripts/test.sh builds the 32-bit program before the native tests run.
    ASSERT_TRUE(fs::exists(TQ58_X86_PROGRAM_PATH))
        << TQ58_X86_PROGRAM_PATH << " is missing: build the windows-x86 preset first";
    if (const auto reason = tq58_test::X86WineUnavailable()) GTEST_SKIP() << *reason;
  }
};

TEST_P(X86Program, WritesWhatTheOtherBuildsWrite) {
  const EndToEndCase& testCase = GetParam();
  const auto outcome = tq58_test::RunEndToEndCase(testCase, kX86Program, TQ58_E2E_DATA_DIR);
  tq58_test::CheckEndToEndOutcome(testCase, outcome, TQ58_E2E_DATA_DIR);

  const auto native = tq58_test::RunEndToEndCase(testCase, kNativeProgram, TQ58_E2E_DATA_DIR);
  EXPECT_EQ(outcome.Exchange, native.Exchange) << "the 32-bit build wrote another file";
}

INSTANTIATE_TEST_SUITE_P(Cases, X86Program, testing::ValuesIn(tq58_test::EndToEndCases()),
                         [](const auto& info) { return info.param.Name; });

}  // namespace
