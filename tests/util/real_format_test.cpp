// The general real format: rounding, notation boundaries, signs and exact ties.
#include "util/real_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

struct RealCase {
  const char* name;
  double value;
  const char* text;
};

class RealFormat : public testing::TestWithParam<RealCase> {};

TEST_P(RealFormat, WritesGeneralFormat) {
  EXPECT_EQ(MyFunc::FormatReal(GetParam().value), GetParam().text);
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
    {"Largest", std::numeric_limits<double>::max(), "1.79769313486232E308"},
    {"SmallestSubnormal", std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
    {"WholeColour", 255.0, "255"},
};

INSTANTIATE_TEST_SUITE_P(Cases, RealFormat, testing::ValuesIn(kRealCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RealFormatNonFinite, WritesZeroForInfinityAndNan) {
  EXPECT_EQ(MyFunc::FormatReal(std::numeric_limits<double>::infinity()), "0");
  EXPECT_EQ(MyFunc::FormatReal(-std::numeric_limits<double>::infinity()), "0");
  EXPECT_EQ(MyFunc::FormatReal(std::nan("")), "0");
}

TEST(RealFormatAppend, AppendsToWhatIsThere) {
  std::string text = "ci ";
  MyFunc::AppendReal(text, 10.0);
  text += ' ';
  MyFunc::AppendReal(text, -0.5);
  EXPECT_EQ(text, "ci 10 -0.5");
}

}  // namespace
