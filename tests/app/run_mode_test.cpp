// The run mode from the command line: only an exact "1" or "2" as first argument transforms;
// a later "/pN" chooses the preset.
#include "app/run_mode.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

struct RunModeCase {
  const char* Name;
  std::vector<std::u16string> Arguments;  // after the program name
  int32_t Expected;
  std::optional<int32_t> Preset = std::nullopt;  // chosen by "/pN"
  bool Chains = false;                           // "/s"
  bool Reverse = false;                          // "/r"
};

// Full-width digit one, U+FF11.
const std::u16string kFullWidthOne = u"\uFF11";

const RunModeCase kCases[] = {
    {"One", {u"1"}, 1},
    {"Two", {u"2"}, 2},
    {"None", {}, 0},
    {"LeadingZero", {u"01"}, 0},
    {"LeadingBlank", {u" 1"}, 0},
    {"TrailingBlank", {u"1 "}, 0},
    {"FullWidthOne", {kFullWidthOne}, 0},
    {"Three", {u"3"}, 0},
    {"Empty", {u""}, 0},
    {"TwelveIsNotOne", {u"12"}, 0},
    {"OneThenAnother", {u"1", u"x"}, 1},
    {"TwoThenOne", {u"2", u"1"}, 2},
    {"OtherThenOne", {u"x", u"1"}, 0},
    {"PresetFive", {u"2", u"/p5"}, 2, 5},
    {"PresetCapitalP", {u"1", u"/P20"}, 1, 20},
    {"PresetLeadingZero", {u"2", u"/p05"}, 2, 5},
    {"FirstValidPresetCounts", {u"2", u"/p21", u"x", u"/p7", u"/p3"}, 2, 7},
    {"PresetAsFirstArgument", {u"/p5", u"2"}, 0},
    {"PresetZero", {u"2", u"/p0"}, 2},
    {"PresetTwentyOne", {u"2", u"/p21"}, 2},
    {"PresetManyDigits", {u"2", u"/p99999999999999999999"}, 2},
    {"PresetNotANumber", {u"2", u"/px"}, 2},
    {"PresetWithoutNumber", {u"2", u"/p"}, 2},
    {"PresetWithoutSlash", {u"2", u"p5"}, 2},
    {"PresetWithSign", {u"2", u"/p+5"}, 2},
    {"PresetWithBlank", {u"2", u"/p5 "}, 2},
    {"PresetOtherLetter", {u"2", u"/q5"}, 2},
    {"PresetFullWidthDigit", {u"2", u"/p\uFF15"}, 2},
    {"Chains", {u"1", u"/s"}, 1, std::nullopt, true},
    {"ReversedChainsOfAPreset", {u"2", u"/R", u"/p3", u"/S"}, 2, 3, true, true},
    {"SwitchesRunTogether", {u"1", u"/sr"}, 1},
    {"SwitchAsFirstArgument", {u"/s", u"1"}, 0},
};

class RunModeTable : public testing::TestWithParam<RunModeCase> {
 protected:
  template <typename Char>
  void ExpectModeAndOptions(int argc, const Char* const* argv) {
    EXPECT_EQ(tq58::RunModeOf(argc, argv), GetParam().Expected);
    const tq58::TransformOptions options = tq58::TransformOptionsOf(argc, argv);
    EXPECT_EQ(options.Preset, GetParam().Preset);
    EXPECT_EQ(options.Chains, GetParam().Chains);
    EXPECT_EQ(options.Reverse, GetParam().Reverse);
  }
};

// UTF-8 bytes of a text, as a native argument vector holds it.
std::string Utf8(const std::u16string& text) {
  std::string bytes;
  for (const char16_t unit : text) {
    if (unit < 0x80) {
      bytes += static_cast<char>(unit);
    } else if (unit < 0x800) {
      bytes += static_cast<char>(0xC0 | (unit >> 6));
      bytes += static_cast<char>(0x80 | (unit & 0x3F));
    } else {
      bytes += static_cast<char>(0xE0 | (unit >> 12));
      bytes += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
      bytes += static_cast<char>(0x80 | (unit & 0x3F));
    }
  }
  return bytes;
}

TEST_P(RunModeTable, ByteArguments) {
  std::vector<std::string> texts{"tq58"};
  for (const auto& argument : GetParam().Arguments) texts.push_back(Utf8(argument));
  std::vector<const char*> argv;
  for (const auto& text : texts) argv.push_back(text.c_str());
  argv.push_back(nullptr);
  ExpectModeAndOptions(static_cast<int>(texts.size()), argv.data());
}

TEST_P(RunModeTable, WideArguments) {
  std::vector<std::wstring> texts{L"tq58.exe"};
  for (const auto& argument : GetParam().Arguments)
    texts.emplace_back(argument.begin(), argument.end());
  std::vector<const wchar_t*> argv;
  for (const auto& text : texts) argv.push_back(text.c_str());
  argv.push_back(nullptr);
  ExpectModeAndOptions(static_cast<int>(texts.size()), argv.data());
}

INSTANTIATE_TEST_SUITE_P(Arguments, RunModeTable, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(RunMode, NoArgumentVectorAtAllIsSettingsMode) {
  EXPECT_EQ(tq58::RunModeOf<char>(0, nullptr), tq58::kSettingsMode);
  EXPECT_EQ(tq58::PresetArgumentOf<char>(3, nullptr), std::nullopt);
}

}  // namespace
