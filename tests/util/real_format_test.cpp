// The general real format: rounding, notation boundaries, signs and exact ties.
#include "util/real_format.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace {

struct RealCase {
  const char* name;
  double value;
  const char* text;
};

class RealFormat : public testing::TestWithParam<RealCase> {};

TEST_P(RealFormat, WritesGeneralFormat) {
  EXPECT_EQ(tq58::util::FormatReal(GetParam().value), GetParam().text);
}

const RealCase kRealCases[] = {
    {"One", 1.0, "1"},
    {"Hundred", 100.0, "100"},
    {"NegativeTwoAndAHalf", -2.5, "-2.5"},
    {"OneTenth", 0.1, "0.1"},
    {"OneThird", 1.0 / 3.0, "0.333333333333333"},
    {"TwoThirds", 2.0 / 3.0, "0.666666666666667"},
    {"NegativeTwoThirds", -2.0 / 3.0, "-0.666666666666667"},
    {"Zero", 0.0, "0"},
    {"NegativeZero", -0.0, "0"},
    {"SmallestFixed", 0.0001, "0.0001"},
    {"NegativeSmallestFixed", -0.0001, "-0.0001"},
    // The double just below 0.0001 rounds to 0.0001 and is therefore written in fixed form.
    {"RoundsUpToSmallestFixed", 0.000099999999999999995, "0.0001"},
    {"BelowSmallestFixed", 0.0000999999999999994, "9.99999999999994E-5"},
    {"TenToTheMinusFive", 0.00001, "1E-5"},
    {"NegativeSmallExponent", -1.5e-7, "-1.5E-7"},
    {"SmallExponent", 1.5e-7, "1.5E-7"},
    {"TenToTheFourteen", 1e14, "100000000000000"},
    {"TenToTheFifteen", 1e15, "1E15"},
    {"RoundsUpToTenToTheFifteen", 9.99999999999999949e14, "1E15"},
    {"LargestFixed", 999999999999999.0, "999999999999999"},
    {"SixteenDigits", 1234567890123456.0, "1.23456789012346E15"},
    {"ManyDecimals", 12345.678901234567, "12345.6789012346"},
    {"ExactTieRoundsAwayFromZero", 1234567890123445.0, "1.23456789012345E15"},
    {"NegativeExactTie", -1234567890123445.0, "-1.23456789012345E15"},
    {"ExactTieCarriesIntoExponent", 9999999999999995.0, "1E16"},
    {"ExactTieInFixedNotation", 12345678901234.25, "12345678901234.3"},
    {"NegativeExactTieInFixedNotation", -12345678901234.25, "-12345678901234.3"},
    {"NearTieWithFraction", 0.1000000000000005, "0.100000000000001"},
    {"NearTieBelowRoundsDown", 1234567890123444.0, "1.23456789012344E15"},
    {"HalfAndQuarter", 2.25, "2.25"},
    {"NegativeInteger", -10.0, "-10"},
    {"LargeExponent", 1.5e20, "1.5E20"},
    // Rounding up would give a number beyond every double; the format stays readable.
    {"Largest", std::numeric_limits<double>::max(), "1.79769313486231E308"},
    {"NegativeLargest", -std::numeric_limits<double>::max(), "-1.79769313486231E308"},
    {"LargestThatRoundsDown", 1.797693134862314e308, "1.79769313486231E308"},
    {"BelowTheLargest", 1.79769313486229e308, "1.79769313486229E308"},
    {"SmallestSubnormal", std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
    {"WholeColour", 255.0, "255"},
};

INSTANTIATE_TEST_SUITE_P(Cases, RealFormat, testing::ValuesIn(kRealCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RealFormatNonFinite, WritesZeroForInfinityAndNan) {
  EXPECT_EQ(tq58::util::FormatReal(std::numeric_limits<double>::infinity()), "0");
  EXPECT_EQ(tq58::util::FormatReal(-std::numeric_limits<double>::infinity()), "0");
  EXPECT_EQ(tq58::util::FormatReal(std::nan("")), "0");
}

TEST(RealFormatAppend, AppendsToWhatIsThere) {
  std::string text = "ci ";
  tq58::util::AppendReal(text, 10.0);
  text += ' ';
  tq58::util::AppendReal(text, -0.5);
  EXPECT_EQ(text, "ci 10 -0.5");
}

// The first 15 significant digits of |value| rounded half away from zero, trailing zeros
// dropped, and the exponent of the first: read off the value's exact decimal expansion.
std::pair<std::string, int> ExactlyRounded(double value) {
  std::string exact(800, '\0');
  const auto end = std::to_chars(exact.data(), exact.data() + exact.size(), std::fabs(value),
                                 std::chars_format::scientific, 766)
                       .ptr;
  exact.resize(static_cast<std::size_t>(end - exact.data()));
  const std::size_t e = exact.find('e');
  std::string digits = exact.substr(0, 1) + exact.substr(2, e - 2);
  int exponent = std::stoi(exact.substr(e + 1));
  const bool up = digits[15] >= '5';  // ties away from zero
  digits.resize(15);
  if (up) {
    int i = 14;
    for (; i >= 0 && digits[static_cast<std::size_t>(i)] == '9'; --i)
      digits[static_cast<std::size_t>(i)] = '0';
    if (i >= 0) {
      ++digits[static_cast<std::size_t>(i)];
    } else {
      digits.insert(digits.begin(), '1');
      digits.pop_back();
      ++exponent;
    }
  }
  digits.erase(digits.find_last_not_of('0') + 1);
  return {digits, exponent};
}

// The significant digits and exponent that a written real shows, and whether it used E.
struct Shown {
  std::string digits;
  int exponent = 0;
  bool scientific = false;
};

Shown Read(std::string text) {
  Shown shown;
  if (text.starts_with('-')) text.erase(0, 1);
  if (const std::size_t e = text.find('E'); e != std::string::npos) {
    shown.scientific = true;
    shown.exponent = std::stoi(text.substr(e + 1));
    text.resize(e);
    if (text.size() > 1) text.erase(1, 1);  // the point
    shown.digits = text;
    return shown;
  }
  const std::size_t point = text.find('.');
  shown.exponent = static_cast<int>(point == std::string::npos ? text.size() : point) - 1;
  if (point != std::string::npos) text.erase(point, 1);
  const std::size_t first = text.find_first_not_of('0');
  shown.exponent -= static_cast<int>(first);
  shown.digits = text.substr(first);
  shown.digits.erase(shown.digits.find_last_not_of('0') + 1);
  return shown;
}

// The written text of `value` shows the digits, exponent, notation and sign of its exactly
// rounded value.
void CheckAgainstExpansion(double value) {
  if (value == 0.0) return;
  const std::string text = tq58::util::FormatReal(value);
  const auto [digits, exponent] = ExactlyRounded(value);
  const Shown shown = Read(text);
  EXPECT_EQ(shown.digits, digits) << text;
  EXPECT_EQ(shown.exponent, exponent) << text;
  EXPECT_EQ(shown.scientific, exponent < -4 || exponent > 14) << text;
  EXPECT_EQ(text.starts_with('-'), value < 0.0) << text;
}

// Random doubles over the whole range, drawing coordinates, and 16-digit decimals ending in 5,
// whose doubles lie just below, on or just above the half way between two 15-digit values.
TEST(RealFormatRounding, MatchesTheExactExpansion) {
  std::mt19937_64 random(15);
  for (int k = 0; k < 30000 && !HasFailure(); ++k) {
    double value = 0.0;
    if (k % 3 == 0) {
      const std::uint64_t bits = random() & 0x7FEFFFFFFFFFFFFFull;  // finite, any sign below
      std::memcpy(&value, &bits, sizeof value);
    } else if (k % 3 == 1) {
      value = static_cast<double>(random() % 100000000) / 1024.0 - 50000.0;
    } else {
      const std::string text = std::to_string(random() % 1000000000000000ull) + "5e" +
                               std::to_string(static_cast<int>(random() % 40) - 20);
      value = std::stod(text);
    }
    CheckAgainstExpansion(value);
  }
}

// The doubles next to every power of ten, where the number of digits before the point changes.
TEST(RealFormatRounding, MatchesTheExactExpansionAtPowersOfTen) {
  for (int k = -8; k <= 17; ++k) {
    double value = std::pow(10.0, k);
    for (int step = 0; step < 4; ++step) value = std::nextafter(value, 0.0);
    for (int step = 0; step < 8; ++step) {
      CheckAgainstExpansion(value);
      CheckAgainstExpansion(-value);
      value = std::nextafter(value, 1e300);
    }
  }
}

}  // namespace
