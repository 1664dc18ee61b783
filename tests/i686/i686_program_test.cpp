// The 32-bit x86 build writes what the native build writes, on every machine: the Linux
// build of the preset linux-x86 runs under qemu-i386-static, which needs no kernel support
// for 32-bit programs. It has the 32-bit Windows build's arithmetic (SSE2 doubles, no
// 128-bit integers), so this also guards that build where Wine cannot run it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/end_to_end.h"
#include "support/files.h"
#include "support/generated_cases.h"
#include "support/process.h"

namespace {

namespace fs = std::filesystem;

const fs::path kBuild = TQ58_LINUX_X86_BUILD_DIR;
const fs::path kRunner = kBuild / "tests" / "case_runner" / "tq58_case_runner";
const std::vector<std::string> kQemu = {"/usr/bin/qemu-i386-static", "-L", "/usr/i686-linux-gnu"};
constexpr int kGeneratedCases = 3000;
constexpr uint64_t kSeed = 0x7158'1686;

void RequireTheI686Build() {
  ASSERT_TRUE(fs::exists(kQemu.front())) << "qemu-user-static is missing: run scripts/setup.sh";
  ASSERT_TRUE(fs::exists(kBuild / "tq58") && fs::exists(kRunner))
      << "build the linux-x86 preset first (scripts/test.sh does)";
}

class i686Program : public testing::TestWithParam<tq58_test::EndToEndCase> {
 protected:
  void SetUp() override { RequireTheI686Build(); }
};

TEST_P(i686Program, WritesWhatTheNativeBuildWrites) {
  const tq58_test::EndToEndCase& testCase = GetParam();
  const tq58_test::ProgramUnderTest i686{kBuild / "tq58", "", kQemu, {}, "i686"};
  const auto outcome = tq58_test::RunEndToEndCase(testCase, i686, TQ58_E2E_DATA_DIR);
  tq58_test::CheckEndToEndOutcome(testCase, outcome, TQ58_E2E_DATA_DIR);
}

INSTANTIATE_TEST_SUITE_P(Cases, i686Program, testing::ValuesIn(tq58_test::EndToEndCases()),
                         [](const auto& info) { return info.param.Name; });

// Both builds' case runners over the same generated batch; every rewritten file compared.
TEST(i686GeneratedCases, AreWrittenByteForByteAsByTheNativeBuild) {
  RequireTheI686Build();
  tq58_test::TempFolder work;
  const fs::path batch = work.Path() / "batch";
  tq58_test::WriteBytes(batch,
                        tq58_test::BatchText(tq58_test::GeneratedCases(kSeed, kGeneratedCases)));
  const auto runBatch = [&](std::vector<std::string> command, const char* name) {
    const fs::path output = work.Path() / name;
    fs::create_directory(output);
    command.push_back(batch.string());
    command.push_back(output.string());
    const auto run = tq58_test::RunProcess(command, work.Path(), {}, std::chrono::seconds(600));
    EXPECT_EQ(run.ExitStatus, 0) << name << ": " << run.Stderr;
    return output;
  };
  std::vector<std::string> emulated = kQemu;
  emulated.push_back(kRunner.string());
  const fs::path native = runBatch({TQ58_CASE_RUNNER_PATH}, "native");
  const fs::path i686 = runBatch(emulated, "i686");

  std::size_t drawn = 0;
  for (int k = 0; k < kGeneratedCases; ++k) {
    const std::string name = std::to_string(k) + ".txt";
    const std::string expected = tq58_test::ReadBytes(native / name);
    ASSERT_EQ(tq58_test::ReadBytes(i686 / name), expected) << "case " << k;
    if (expected.find("\r\nci ") != std::string::npos) ++drawn;
  }
  // Guards against a trivially equal batch: most cases draw corner arcs.
  EXPECT_GT(drawn, kGeneratedCases / 3u);
}

}  // namespace
