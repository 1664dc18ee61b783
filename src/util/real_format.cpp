// The general real format: 15 significant digits rounded half away from zero, no trailing
// zeros, fixed notation from 1E-4 up to below 1E15 and "1.5E-7" form elsewhere.
#include "util/real_format.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace MyFunc {
namespace {

constexpr int kSignificantDigits = 15;
// Exponents (of the first significant digit) written in fixed notation: 1E-4 <= |v| < 1E15.
constexpr int kFixedMinExponent = -4;
constexpr int kFixedMaxExponent = 14;
// Digits after the point that show every double exactly: its longest expansion has 767.
constexpr int kExactPrecision = 766;

// A positive value as its significant digits and the decimal exponent of the first one.
struct DecimalDigits {
  std::array<char, kSignificantDigits> digits{};
  int count = 0;
  int exponent = 0;
};

// Significant digits and exponent of a to_chars scientific text such as "1.25e+03".
void ParseScientific(std::string_view text, char* digits, int count, int& exponent) {
  digits[0] = text[0];
  for (int i = 1; i < count; ++i) digits[i] = text[static_cast<std::size_t>(i) + 1];
  const std::size_t e = text.find('e');
  const char* first = text.data() + e + 1;
  if (*first == '+') ++first;
  std::from_chars(first, text.data() + text.size(), exponent);
}

// Digits of `value` written to `precision` places after the first digit (rounded half even).
std::string_view ScientificText(char* buffer, std::size_t size, double value, int precision) {
  const auto result =
      std::to_chars(buffer, buffer + size, value, std::chars_format::scientific, precision);
  return {buffer, static_cast<std::size_t>(result.ptr - buffer)};
}

// True when the exact decimal value of `value` ends at its 16th significant digit and that
// digit is 5: the one case where rounding half to even and half away from zero differ.
bool IsExactTieAtSixteenthDigit(double value, std::string_view sixteenDigits) {
  if (sixteenDigits[kSignificantDigits + 1] != '5') return false;
  std::array<char, kExactPrecision + 16> buffer;
  const std::string_view exact =
      ScientificText(buffer.data(), buffer.size(), value, kExactPrecision);
  const std::size_t e = exact.find('e');
  // Point plus 15 digits after the first: the exact 16th digit sits at index 16.
  if (exact[kSignificantDigits + 1] != '5') return false;
  return exact.substr(kSignificantDigits + 2, e - (kSignificantDigits + 2))
             .find_first_not_of('0') == std::string_view::npos;
}

// Rounds a positive finite value to 15 significant digits, half away from zero.
DecimalDigits RoundToSignificantDigits(double value) {
  DecimalDigits result;
  result.count = kSignificantDigits;
  std::array<char, 32> buffer;
  const std::string_view sixteen =
      ScientificText(buffer.data(), buffer.size(), value, kSignificantDigits);
  if (!IsExactTieAtSixteenthDigit(value, sixteen)) {
    // Not a tie: to_chars rounds to nearest, which is what we want.
    const std::string_view fifteen =
        ScientificText(buffer.data(), buffer.size(), value, kSignificantDigits - 1);
    ParseScientific(fifteen, result.digits.data(), result.count, result.exponent);
    return result;
  }
  // An exact tie: drop the 5 and round the first 15 digits up.
  ParseScientific(sixteen, result.digits.data(), result.count, result.exponent);
  int i = result.count - 1;
  for (; i >= 0 && result.digits[static_cast<std::size_t>(i)] == '9'; --i) {
    result.digits[static_cast<std::size_t>(i)] = '0';
  }
  if (i >= 0) {
    ++result.digits[static_cast<std::size_t>(i)];
  } else {
    result.digits[0] = '1';
    ++result.exponent;
  }
  return result;
}

void AppendDecimalInt(std::string& out, int value) {
  std::array<char, 16> buffer;
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  out.append(buffer.data(), result.ptr);
}

void AppendFixed(std::string& out, const DecimalDigits& d) {
  const std::string_view digits(d.digits.data(), static_cast<std::size_t>(d.count));
  if (d.exponent < 0) {
    out += "0.";
    out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
    out += digits;
    return;
  }
  const auto integerDigits = static_cast<std::size_t>(d.exponent) + 1;
  if (digits.size() <= integerDigits) {
    out += digits;
    out.append(integerDigits - digits.size(), '0');
    return;
  }
  out += digits.substr(0, integerDigits);
  out += '.';
  out += digits.substr(integerDigits);
}

void AppendScientific(std::string& out, const DecimalDigits& d) {
  out += d.digits[0];
  if (d.count > 1) {
    out += '.';
    out.append(d.digits.data() + 1, static_cast<std::size_t>(d.count - 1));
  }
  out += 'E';
  AppendDecimalInt(out, d.exponent);  // a "-" only for a negative exponent, never a "+"
}

}  // namespace

// Infinity and NaN have no form the host or the settings file could read back; they are
// written as "0". Callers that must not write such a number at all check for it first.
void AppendReal(std::string& out, double value) {
  if (value == 0.0 || !std::isfinite(value)) {
    out += '0';
    return;
  }
  DecimalDigits d = RoundToSignificantDigits(std::fabs(value));
  while (d.count > 1 && d.digits[static_cast<std::size_t>(d.count - 1)] == '0') --d.count;
  if (value < 0.0) out += '-';
  if (d.exponent >= kFixedMinExponent && d.exponent <= kFixedMaxExponent) {
    AppendFixed(out, d);
  } else {
    AppendScientific(out, d);
  }
}

std::string FormatReal(double value) {
  std::string text;
  AppendReal(text, value);
  return text;
}

}  // namespace MyFunc
