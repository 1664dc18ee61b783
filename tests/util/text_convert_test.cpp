// Conversions of settings-file, dialog and exchange-file texts to flags and numbers.
#include "util/text_convert.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <regex>
#include <string>

namespace {

using tq58::util::BoolToText;
using tq58::util::RemoveBlanks;
using tq58::util::TextToBool;
using tq58::util::TextToFloat;
using tq58::util::TextToInt;

TEST(RemoveBlanks, DropsBlanksControlBytesAndFullWidthSpacesEverywhere) {
  EXPECT_EQ(RemoveBlanks("T R U E"), "TRUE");
  EXPECT_EQ(RemoveBlanks("a\tb"), "ab");
  EXPECT_EQ(RemoveBlanks("a\x81\x40"
                         "b"),
            "ab");  // full-width space
  EXPECT_EQ(RemoveBlanks(std::string("a\0b\x1F", 4)), "ab");
  EXPECT_EQ(RemoveBlanks(""), "");
}

TEST(RemoveBlanks, KeepsDoubleByteCharactersWhole) {
  // A blank as the second byte of a pair belongs to the character.
  EXPECT_EQ(RemoveBlanks("\x83\x20x"), "\x83\x20x");
  EXPECT_EQ(RemoveBlanks("\x80\x40\xFD\x09"), "\x80\x40\xFD\x09");
  // A lead byte without its second byte is kept on its own.
  EXPECT_EQ(RemoveBlanks("a \x82"), "a\x82");
}

TEST(RemoveBlanks, KeepsSingleBytesAboveTheBlank) {
  EXPECT_EQ(RemoveBlanks("\x7F\xA0\xA1\xB1\xDF\xFE\xFF"), "\x7F\xA0\xA1\xB1\xDF\xFE\xFF");
}

TEST(TextToBool, AcceptsTheTenTrueWordsInAnyCaseAndSpacing) {
  for (const char* text : {"T", "t", "tr", "tru", "True", "TRUE", "on", "On", " 1 ", "T RUE",
                           "\x82\x50", "\x81\x9B", "\x90\x5E", "\x90\xB3", "\tON\r"}) {
    EXPECT_TRUE(TextToBool(text)) << text;
  }
}

TEST(TextToBool, RejectsEverythingElse) {
  for (const char* text : {"", "   ", "\t\x81\x40", "0", "F", "yes", "TRUEX", "\x82\x50\x82\x4F",
                           "\x82\x6E\x82\x6D", "\x81\x9C", "-1", "01"}) {
    EXPECT_FALSE(TextToBool(text)) << text;
  }
}

TEST(BoolToText, WritesOneAndZero) {
  EXPECT_EQ(BoolToText(true), "1");
  EXPECT_EQ(BoolToText(false), "0");
}

struct IntCase {
  const char* text;
  int32_t expected;
};

class TextToIntCases : public testing::TestWithParam<IntCase> {};

TEST_P(TextToIntCases, Converts) {
  EXPECT_EQ(TextToInt(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, TextToIntCases,
    testing::Values(IntCase{"12", 12}, IntCase{"  -7", -7}, IntCase{"+3", 3}, IntCase{"$1F", 31},
                    IntCase{"0x10", 16}, IntCase{"0X10", 16}, IntCase{"x1f", 31},
                    IntCase{"X1F", 31}, IntCase{"-$10", -16}, IntCase{"$FFFFFFFF", -1},
                    IntCase{"$000000010", 16}, IntCase{"$100000000", 0},
                    IntCase{"-$80000000", INT32_MIN}, IntCase{"2147483647", INT32_MAX},
                    IntCase{"-2147483648", INT32_MIN}, IntCase{"2147483648", 0},
                    IntCase{"-2147483649", 0}, IntCase{"99999999999999999999999", 0},
                    IntCase{"007", 7}, IntCase{"", 0}, IntCase{"0", 0}, IntCase{"-0", 0},
                    IntCase{"$", 0}, IntCase{"-", 0}, IntCase{"0x", 0}, IntCase{"12 ", 0},
                    IntCase{"1.5", 0}, IntCase{"\t5", 0}, IntCase{"- 5", 0}, IntCase{"+-5", 0},
                    IntCase{"$G", 0}, IntCase{"\x82\x50", 0}, IntCase{"5\x82", 0}));

struct FloatCase {
  const char* text;
  double expected;
};

class TextToFloatCases : public testing::TestWithParam<FloatCase> {};

TEST_P(TextToFloatCases, Converts) {
  EXPECT_EQ(TextToFloat(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, TextToFloatCases,
    testing::Values(FloatCase{"2.5", 2.5}, FloatCase{" -0.125", -0.125}, FloatCase{"1e3", 1000.0},
                    FloatCase{"1E-2", 0.01}, FloatCase{"+4", 4.0}, FloatCase{"5.", 5.0},
                    FloatCase{".5", 0.5}, FloatCase{"5.25", 5.25}, FloatCase{"1e+2", 100.0},
                    FloatCase{"0.1", 0.1},
                    FloatCase{"123456789012345678901234", 1.2345678901234568e23},
                    FloatCase{"1.7976931348623157e308", std::numeric_limits<double>::max()},
                    FloatCase{"1e400", 0.0}, FloatCase{"-1e400", 0.0}, FloatCase{"1e-400", 0.0},
                    FloatCase{"", 0.0}, FloatCase{".", 0.0}, FloatCase{"-", 0.0},
                    FloatCase{"1e", 0.0}, FloatCase{"1e+", 0.0}, FloatCase{"1,5", 0.0},
                    FloatCase{"2.5 ", 0.0}, FloatCase{"abc", 0.0}, FloatCase{"1.2.3", 0.0},
                    FloatCase{"inf", 0.0}, FloatCase{"nan", 0.0}, FloatCase{"0x10", 0.0},
                    FloatCase{"\t1", 0.0}, FloatCase{"1e5.5", 0.0}, FloatCase{"--1", 0.0}));

// Every text of up to five bytes from an alphabet of digits, points, exponents, signs, blanks
// and the letters of "inf" and "nan" converts as the grammar says: a match reads as strtod
// reads it (0 when out of range), anything else as 0.
TEST(TextToFloat, ShortTextsFollowTheGrammar) {
  const std::regex grammar(R"( *[+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?)");
  constexpr std::string_view kAlphabet = "7.eE+- inf";
  std::string text;
  const auto check = [&](const auto& self, std::size_t length) -> void {
    double expected = 0.0;
    if (std::regex_match(text, grammar)) {
      errno = 0;
      const double value = std::strtod(text.c_str(), nullptr);
      if (errno != ERANGE) expected = value;
    }
    ASSERT_EQ(TextToFloat(text), expected) << '"' << text << '"';
    if (length == 5) return;
    for (char c : kAlphabet) {
      text.push_back(c);
      self(self, length + 1);
      text.pop_back();
    }
  };
  check(check, 0);
}

// Decimals of 1 to 24 digits with the point anywhere, as the files write coordinates, convert
// to the nearest double, as strtod gives it, whether or not they take the short way.
TEST(TextToFloat, DecimalsConvertToTheNearestDouble) {
  std::mt19937_64 random(7);
  for (int k = 0; k < 20000 && !HasFailure(); ++k) {
    const auto digitCount = static_cast<std::size_t>(1 + random() % 24);
    std::string text;
    for (std::size_t i = 0; i < digitCount; ++i) text += static_cast<char>('0' + random() % 10);
    text.insert(static_cast<std::size_t>(random() % (digitCount + 1)), ".");
    if (random() % 2 == 0) text.insert(0, "-");
    EXPECT_EQ(TextToFloat(text), std::strtod(text.c_str(), nullptr)) << text;
  }
  // The largest digits that are exact in a double, and the first that are not.
  EXPECT_EQ(TextToFloat("9007199254740992"), 9007199254740992.0);
  EXPECT_EQ(TextToFloat("9007199254740993"), 9007199254740992.0);
  EXPECT_EQ(TextToFloat("0.0000000000000000000001"), 1e-22);
  EXPECT_EQ(TextToFloat("1.00000000000000000000001"), 1.0);
}

TEST(TextToFloat, KeepsSubnormalValues) {
  EXPECT_EQ(TextToFloat("4.9406564584124654e-324"), std::numeric_limits<double>::denorm_min());
}

// Below the smallest subnormal a value rounds to zero, and a negative one to -0.0, like "-0".
TEST(TextToFloat, ValuesTooSmallForADoubleKeepTheirSign) {
  EXPECT_TRUE(std::signbit(TextToFloat("-0")));
  EXPECT_TRUE(std::signbit(TextToFloat("-03E-50804")));
  EXPECT_TRUE(std::signbit(TextToFloat("-2e-324")));
  EXPECT_FALSE(std::signbit(TextToFloat("2e-324")));
  EXPECT_FALSE(std::signbit(TextToFloat("-03E-5080E")));  // malformed: 0.0 like any other
}

}  // namespace
