// The built native program run as the host runs it: copied beside its files, started from
// another working folder, the rewritten JWC_TEMP.TXT compared byte for byte.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/end_to_end.h"

namespace {

using tq58_test::EndToEndCase;

const tq58_test::ProgramUnderTest kNativeProgram{
    TQ58_PROGRAM_PATH, "", {}, {}, "\xE5\x9B\xB3\xE9\x9D\xA2 folder"};  // "図面 folder"

class NativeProgram : public testing::TestWithParam<EndToEndCase> {};

TEST_P(NativeProgram, RewritesTheExchangeFileOrLeavesEverythingAlone) {
  const EndToEndCase& testCase = GetParam();
  const auto outcome = tq58_test::RunEndToEndCase(testCase, kNativeProgram, TQ58_E2E_DATA_DIR);
  tq58_test::CheckEndToEndOutcome(testCase, outcome, TQ58_E2E_DATA_DIR);

  EXPECT_EQ(outcome.Process.Stdout, "");
  if (testCase.Expected.empty()) {
    // Settings mode: one line on standard error says where the dialog is.
    const std::string& notice = outcome.Process.Stderr;
    EXPECT_EQ(std::count(notice.begin(), notice.end(), '\n'), 1) << notice;
    EXPECT_TRUE(notice.ends_with("\n")) << notice;
    EXPECT_NE(notice.find("Windows build"), std::string::npos) << notice;
  } else {
    EXPECT_EQ(outcome.Process.Stderr, "");
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, NativeProgram, testing::ValuesIn(tq58_test::EndToEndCases()),
                         [](const auto& info) { return info.param.Name; });

}  // namespace
