// The command line of tq58-preview: the two forms, and every way to get it wrong.
#include "preview/command_line.h"

#include <gtest/gtest.h>

namespace tq58::preview {
namespace {

using Args = std::vector<std::string>;

PreviewRequest Parsed(const Args& args) {
  auto result = ParseCommandLine(args);
  if (const auto* error = std::get_if<std::string>(&result)) ADD_FAILURE() << *error;
  return std::get_if<PreviewRequest>(&result) ? std::get<PreviewRequest>(result) : PreviewRequest{};
}

TEST(PreviewCommandLine, ExchangeFilesWithAndWithoutOutput) {
  PreviewRequest one = Parsed({"in.txt"});
  EXPECT_EQ(one.exchangeFiles, std::vector<std::filesystem::path>{"in.txt"});
  EXPECT_FALSE(one.output);
  EXPECT_FALSE(one.settingsFile);

  PreviewRequest two = Parsed({"-o", "out.svg", "host.txt", "back.txt"});
  EXPECT_EQ(two.exchangeFiles, (std::vector<std::filesystem::path>{"host.txt", "back.txt"}));
  EXPECT_EQ(two.output, std::filesystem::path("out.svg"));
}

TEST(PreviewCommandLine, SettingsWithAndWithoutPreset) {
  PreviewRequest current = Parsed({"--settings", "tq58.dat"});
  EXPECT_EQ(current.settingsFile, std::filesystem::path("tq58.dat"));
  EXPECT_FALSE(current.preset);

  PreviewRequest chosen = Parsed({"--preset", "20", "--settings", "a.dat", "-o", "p.svg"});
  EXPECT_EQ(chosen.preset, 20);
  EXPECT_EQ(chosen.output, std::filesystem::path("p.svg"));
}

TEST(PreviewCommandLine, ChainsOfASelectionWithAPreset) {
  PreviewRequest chains = Parsed({"--settings", "a.dat", "--chains", "sel.txt", "--reverse"});
  EXPECT_EQ(chains.chainsFile, std::filesystem::path("sel.txt"));
  EXPECT_TRUE(chains.reverse);
}

TEST(PreviewCommandLine, HelpNeedsNothingElse) { EXPECT_TRUE(Parsed({"--help"}).help); }

struct BadCase {
  const char* name;
  Args args;
  const char* message;  // a part of the message
};

void PrintTo(const BadCase& c, std::ostream* out) { *out << c.name; }

class BadPreviewCommandLine : public testing::TestWithParam<BadCase> {};

TEST_P(BadPreviewCommandLine, SaysWhatIsWrong) {
  const auto result = ParseCommandLine(GetParam().args);
  ASSERT_TRUE(std::holds_alternative<std::string>(result));
  EXPECT_NE(std::get<std::string>(result).find(GetParam().message), std::string::npos)
      << std::get<std::string>(result);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadPreviewCommandLine,
    testing::Values(
        BadCase{"Nothing", {}, "no exchange file"},
        BadCase{"ThreeFiles", {"a", "b", "c"}, "at most two"},
        BadCase{"OutputWithoutName", {"a.txt", "-o"}, "-o needs a value"},
        BadCase{"OutputTwice", {"-o", "x", "-o", "y", "a"}, "twice"},
        BadCase{"UnknownOption", {"-x", "a.txt"}, "unknown option -x"},
        BadCase{"PresetWithoutSettings", {"--preset", "2", "a.txt"}, "needs --settings"},
        BadCase{"PresetZero", {"--settings", "s", "--preset", "0"}, "1 to 20"},
        BadCase{"PresetTwentyOne", {"--settings", "s", "--preset", "21"}, "1 to 20"},
        BadCase{"PresetWithSign", {"--settings", "s", "--preset", "+3"}, "1 to 20"},
        BadCase{"PresetNotANumber", {"--settings", "s", "--preset", "3a"}, "1 to 20"},
        BadCase{"PresetHuge", {"--settings", "s", "--preset", "99999999999"}, "1 to 20"},
        BadCase{"SettingsAndExchangeFile", {"--settings", "s", "a.txt"}, "no exchange file"},
        BadCase{"ChainsWithoutSettings", {"--chains", "a.txt"}, "--chains needs --settings"},
        BadCase{"ReverseWithoutChains", {"--settings", "s", "--reverse"}, "needs --chains"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tq58::preview
