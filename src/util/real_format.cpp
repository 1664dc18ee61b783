// The general real format: 15 significant digits rounded half away from zero, no trailing
// zeros, fixed notation from 1E-4 up to below 1E15 and "1.5E-7" form elsewhere.
#include "util/real_format.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>

namespace tq58::util {
namespace {

constexpr int kSignificantDigits = 15;
// Exponents (of the first significant digit) written in fixed notation: 1E-4 <= |v| < 1E15.
constexpr int kFixedMinExponent = -4;
constexpr int kFixedMaxExponent = 14;
// Digits after the point that show every double exactly: its longest expansion has 767.
constexpr int kExactPrecision = 766;
// The largest 15-digit number that is still a double, 1.79769313486231E308. The doubles above
// it would round up to 1.79769313486232E308, which lies beyond every double and reads back
// as infinite, so they are written as this number instead.
constexpr std::string_view kLargestReadableDigits = "179769313486231";
constexpr int kLargestReadableExponent = 308;

// Magnitudes rounded by integer arithmetic: all the coordinates of a drawing.
constexpr double kIntegerRoundingMin = 1e-4;
constexpr double kIntegerRoundingLimit = 1e15;

constexpr std::array<std::uint64_t, 20> kPowersOfTen = [] {
  std::array<std::uint64_t, 20> powers{};
  std::uint64_t power = 1;
  for (std::uint64_t& p : powers) {
    p = power;
    power *= 10;
  }
  return powers;
}();

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

// Adds one unit in the last digit, carrying past nines into the exponent.
void RoundUp(DecimalDigits& d) {
  int i = d.count - 1;
  for (; i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9'; --i) {
    d.digits[static_cast<std::size_t>(i)] = '0';
  }
  if (i >= 0) {
    ++d.digits[static_cast<std::size_t>(i)];
  } else {
    d.digits[0] = '1';
    ++d.exponent;
  }
}

// Rounds a positive finite value to 15 significant digits, half away from zero, from its
// exact decimal expansion where the tie needs it.
DecimalDigits RoundExactly(double value) {
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
  RoundUp(result);
  return result;
}

// Rounds a positive finite value to 15 significant digits, half away from zero. The value
// rounded to 17 digits is within half a unit of its 17th digit, so its 16th and 17th digits
// tell on which side of the half way the exact value lies, unless they read "50": only then
// is the exact expansion needed. One conversion instead of two in all other cases.
DecimalDigits RoundToSignificantDigits(double value) {
  std::array<char, 32> buffer;
  const std::string_view seventeen =
      ScientificText(buffer.data(), buffer.size(), value, kSignificantDigits + 1);
  // In "d.ddd...e+x" the digit numbered k from 1 stands at index k, for k >= 2.
  const char sixteenth = seventeen[kSignificantDigits + 1];
  const char seventeenth = seventeen[kSignificantDigits + 2];
  if (sixteenth == '5' && seventeenth == '0') return RoundExactly(value);
  DecimalDigits result;
  result.count = kSignificantDigits;
  ParseScientific(seventeen, result.digits.data(), result.count, result.exponent);
  if (sixteenth >= '5') RoundUp(result);
  return result;
}

// Writes `value` as exactly `count` decimal digits, with leading zeros.
void WriteDigits(char* digits, std::uint32_t value, int count) {
  for (int i = count - 1; i >= 0; --i) {
    digits[i] = static_cast<char>('0' + value % 10);
    value /= 10;
  }
}

// m * p / 2^shift rounded down, and whether the bits shifted out reach one half (the highest
// of them is set); exact for every 128-bit product and shifts of 1 to 127.
struct ScaledProduct {
  std::uint64_t quotient = 0;
  bool halfOrMore = false;
};

#ifdef __SIZEOF_INT128__
ScaledProduct ScaleDown(std::uint64_t m, std::uint64_t p, int shift) {
  __extension__ using Uint128 = unsigned __int128;  // a GCC extension of 64-bit targets
  const Uint128 product = static_cast<Uint128>(m) * p;
  return {static_cast<std::uint64_t>(product >> shift), ((product >> (shift - 1)) & 1) != 0};
}
#else
// Without 128-bit integers (the 32-bit Windows build): the product in two 64-bit halves,
// from four 32-bit partial products.
ScaledProduct ScaleDown(std::uint64_t m, std::uint64_t p, int shift) {
  constexpr std::uint64_t kLow32 = 0xFFFFFFFFu;
  const std::uint64_t ll = (m & kLow32) * (p & kLow32);
  const std::uint64_t lh = (m & kLow32) * (p >> 32);
  const std::uint64_t hl = (m >> 32) * (p & kLow32);
  const std::uint64_t hh = (m >> 32) * (p >> 32);
  const std::uint64_t middle = (ll >> 32) + (lh & kLow32) + (hl & kLow32);
  const std::uint64_t low = (middle << 32) | (ll & kLow32);
  const std::uint64_t high = hh + (lh >> 32) + (hl >> 32) + (middle >> 32);
  const auto bit = [&](int n) { return ((n < 64 ? low >> n : high >> (n - 64)) & 1) != 0; };
  const std::uint64_t quotient =
      shift < 64 ? (low >> shift) | (high << (64 - shift)) : high >> (shift - 64);
  return {quotient, bit(shift - 1)};
}
#endif

// Rounds a value from 1E-4 up to below 1E15 to 15 significant digits, half away from zero,
// without text: the value is exactly m / 2^shift with m below 2^53, so m * 10^p / 2^shift,
// for the p that leaves 15 digits before the point, is exact in 128 bits, and the bits shifted
// out tell exactly whether the rest reaches one half.
DecimalDigits RoundByIntegers(double value) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  const auto biasedExponent = static_cast<int>(bits >> 52);  // positive, normal: no sign bit
  const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
  const int shift = 1075 - biasedExponent;  // 3 to 67 in this range
  // value lies in [2^b, 2^(b+1)) for b = biasedExponent - 1023, so its decimal exponent is
  // b * log10(2) rounded down (78913 / 2^18 approximates log10(2)), or one more.
  int exponent = ((biasedExponent - 1023) * 78913) >> 18;
  ScaledProduct scaled;
  for (;;) {
    scaled = ScaleDown(m, kPowersOfTen[static_cast<std::size_t>(14 - exponent)], shift);
    if (scaled.quotient < kPowersOfTen[kSignificantDigits]) break;
    ++exponent;  // the value has one digit more before the point than guessed
  }
  std::uint64_t q = scaled.quotient;
  if (scaled.halfOrMore) ++q;                   // half way or more: away from 0
  if (q == kPowersOfTen[kSignificantDigits]) {  // 999...9.5 became 1000...0
    q = kPowersOfTen[kSignificantDigits - 1];
    ++exponent;
  }
  DecimalDigits result;
  result.count = kSignificantDigits;
  result.exponent = exponent;
  // Two halves of 7 and 8 digits in 32 bits: shorter chains of divisions, run side by side.
  constexpr int kLowDigits = 8;
  WriteDigits(result.digits.data(), static_cast<std::uint32_t>(q / kPowersOfTen[kLowDigits]),
              kSignificantDigits - kLowDigits);
  WriteDigits(result.digits.data() + kSignificantDigits - kLowDigits,
              static_cast<std::uint32_t>(q % kPowersOfTen[kLowDigits]), kLowDigits);
  return result;
}

// Keeps the rounded digits within the range of a double (see kLargestReadableDigits).
void KeepWithinDoubleRange(DecimalDigits& d) {
  const std::string_view digits(d.digits.data(), static_cast<std::size_t>(d.count));
  if (d.exponent == kLargestReadableExponent && digits > kLargestReadableDigits) {
    kLargestReadableDigits.copy(d.digits.data(), kLargestReadableDigits.size());
  }
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
  AppendDecimal(out, d.exponent);  // a "-" only for a negative exponent, never a "+"
}

}  // namespace

// Infinity and NaN have no form the host or the settings file could read back; they are
// written as "0". Callers that must not write such a number at all check for it first.
void AppendReal(std::string& out, double value) {
  if (value == 0.0 || !std::isfinite(value)) {
    out += '0';
    return;
  }
  const double magnitude = std::fabs(value);
  DecimalDigits d = magnitude >= kIntegerRoundingMin && magnitude < kIntegerRoundingLimit
                        ? RoundByIntegers(magnitude)
                        : RoundToSignificantDigits(magnitude);
  KeepWithinDoubleRange(d);
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

void AppendDecimal(std::string& out, int64_t value) {
  std::array<char, 24> buffer;
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  out.append(buffer.data(), result.ptr);
}

}  // namespace tq58::util
