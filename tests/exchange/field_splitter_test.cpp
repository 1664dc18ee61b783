// Splitting exchange-file lines into fields: blanks, quotes, equals signs, Shift-JIS pairs,
// dropped bytes, the field count and the 32-field table.
#include "exchange/field_splitter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using tq58::exchange::FieldSplitter;
using Fields = std::vector<std::string>;

Fields FieldsOf(FieldSplitter& splitter, std::string_view line) {
  splitter.Split(line);
  Fields fields;
  for (int k = 0; k < splitter.Count(); ++k) fields.emplace_back(splitter.Field(k));
  return fields;
}

Fields Split(std::string_view line) {
  FieldSplitter splitter;
  return FieldsOf(splitter, line);
}

struct SplitCase {
  const char* name;
  std::string line;
  Fields expected;
};

class SplitLine : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitLine, GivesTheExpectedFields) {
  EXPECT_EQ(Split(GetParam().line), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitLine,
    testing::Values(
        SplitCase{"BlanksAndTabsSeparate", "  a\t\tb  c", {"a", "b", "c"}},
        SplitCase{"TrailingBlankAddsEmptyField", "1 2 3 4 ", {"1", "2", "3", "4", ""}},
        SplitCase{"EmptyLine", "", {""}},
        SplitCase{
            "QuoteKeepsRestWhole", "ch 1 2 3 4 \"a b\t c", {"ch", "1", "2", "3", "4", "a b c"}},
        SplitCase{"QuoteInsideAField", "ab\"c d \"e", {"abc d \"e"}},
        SplitCase{"EqualsKeptAndEndsSplitting", "file=C:\\a b\\x.jww", {"file=C:\\a b\\x.jww"}},
        SplitCase{"EqualsThenQuoteKept", "a=b \"c", {"a=b \"c"}},
        SplitCase{
            "PairWithBlankOrQuoteTrail", "\x83\x20x \x83\"y z", {"\x83\x20x", "\x83\"y", "z"}},
        SplitCase{
            "PairWithControlTrail", std::string("\x81\0 a", 4), {std::string("\x81\0", 2), "a"}},
        SplitCase{"LeadByteEndingLineDropped", "ab\x82", {"ab"}},
        SplitCase{"LeadByteAfterBlankLeavesEmptyField", "a \x82", {"a", ""}},
        SplitCase{"ControlBytesDropped", std::string("a\0b\x1F\r c\x1A", 8), {"ab", "c"}},
        SplitCase{"HighBytesKeptOrDropped", "\x7F\xA0\xDF\xFE\xFF", {"\x7F\xA0\xDF"}}),
    [](const auto& info) { return info.param.name; });

TEST(FieldSplitter, LinesWithoutFieldsAreBlank) {
  FieldSplitter splitter;
  for (std::string line : {"", "   ", "\t \t", "\x01\x02\xFE", "\"", "\x82"}) {
    splitter.Split(line);
    EXPECT_TRUE(splitter.IsBlank()) << line;
  }
  splitter.Split("=");
  EXPECT_FALSE(splitter.IsBlank());
}

TEST(FieldSplitter, FieldsOutsideTheCountAreEmpty) {
  FieldSplitter splitter;
  splitter.Split("a b");
  EXPECT_EQ(splitter.Field(-1), "");
  EXPECT_EQ(splitter.Field(2), "");
  EXPECT_EQ(splitter.Field(FieldSplitter::kMaxFields), "");
}

TEST(FieldSplitter, DropsEverythingAfterThe32ndField) {
  std::string line;
  for (int k = 0; k < 40; ++k) line += "f" + std::to_string(k) + " ";
  const Fields fields = Split(line);
  ASSERT_EQ(fields.size(), 32u);
  EXPECT_EQ(fields[31], "f31");
  // 31 fields and a blank still count the empty 32nd field.
  line.clear();
  for (int k = 0; k < 31; ++k) line += "f ";
  EXPECT_EQ(Split(line).size(), 32u);
  EXPECT_EQ(Split(line).back(), "");
}

TEST(FieldSplitter, ReusedSplitterForgetsTheLongerLineBefore) {
  FieldSplitter splitter;
  FieldsOf(splitter, "alpha beta gamma delta epsilon " + std::string(1000, 'x'));
  EXPECT_EQ(FieldsOf(splitter, "b c"), (Fields{"b", "c"}));
  EXPECT_EQ(FieldsOf(splitter, ""), (Fields{""}));
}

// The splitting rules byte by byte, as plainly as they can be written, to check the splitter
// against on every short line made of the bytes that matter.
Fields SplitByTheRules(std::string_view line) {
  Fields fields(1);
  bool separating = true;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const auto byte = static_cast<unsigned char>(line[i]);
    if ((byte >= 0x80 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFD)) {
      if (i + 1 == line.size()) break;
      fields.back() += line.substr(i++, 2);
    } else if (separating && byte == '"') {
      separating = false;
    } else if (separating && byte == '=') {
      fields.back() += '=';
      separating = false;
    } else if (separating && (byte == ' ' || byte == '\t')) {
      if (fields.back().empty()) continue;
      if (fields.size() == FieldSplitter::kMaxFields) break;
      fields.emplace_back();
    } else if (byte >= 0x20 && byte <= 0xFD) {
      fields.back() += static_cast<char>(byte);
    }
  }
  return fields;
}

TEST(FieldSplitter, EveryShortLineFollowsTheRules) {
  constexpr std::string_view kBytes("a \t\"=\x82\x01\xFE\xA1\x7F", 10);
  FieldSplitter splitter;
  std::string line;
  const auto check = [&](const auto& self) -> void {
    ASSERT_EQ(FieldsOf(splitter, line), SplitByTheRules(line)) << testing::PrintToString(line);
    // The same bytes inside long runs of plain bytes, which are scanned eight at a time.
    const std::string padded = "0123456789" + line + "abcdefghijklmnop";
    ASSERT_EQ(FieldsOf(splitter, padded), SplitByTheRules(padded))
        << testing::PrintToString(padded);
    if (line.size() == 5) return;
    for (char byte : kBytes) {
      line.push_back(byte);
      self(self);
      line.pop_back();
    }
  };
  check(check);
}

TEST(FieldSplitter, HandlesMegabyteLines) {
  const std::string word(1 << 20, 'x');
  EXPECT_EQ(Split(word + " y"), (Fields{word, "y"}));
  std::string numbers;
  for (int k = 0; k < (1 << 19); ++k) numbers += "1 ";
  EXPECT_EQ(Split(numbers).size(), 32u);
}

}  // namespace
