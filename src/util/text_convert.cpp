// Text to flag and number conversions on Shift-JIS bytes.
#include "util/text_convert.h"

#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace tq58::util {
namespace {

constexpr unsigned char kSpace = 0x20;
constexpr unsigned char kFullWidthSpaceLead = 0x81;
constexpr unsigned char kFullWidthSpaceTrail = 0x40;

// The texts that TextToBool takes for true, after blanks are removed and letters upper-cased.
constexpr std::array<std::string_view, 10> kTrueWords = {
    "T",        "TR", "TRU", "TRUE", "1",
    "\x82\x50",  // full-width digit one
    "\x81\x9B",  // white circle
    "ON",
    "\x90\x5E",  // shin (true)
    "\x90\xB3",  // sei (correct)
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Drops the leading half-width spaces and the sign that both number grammars allow; true when
// the sign was "-".
bool TakeLeadingSign(std::string_view& text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  if (!(text.starts_with('+') || text.starts_with('-'))) return false;
  const bool negative = text.front() == '-';
  text.remove_prefix(1);
  return negative;
}

// Letters a-z to A-Z; double-byte characters are kept as they are.
std::string UpperCaseSingleBytes(std::string text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (IsLeadByte(byte)) {
      ++i;
    } else if (byte >= 'a' && byte <= 'z') {
      text[i] = static_cast<char>(byte - 'a' + 'A');
    }
  }
  return text;
}

// Hexadecimal digits (at most 8 significant) as a 32-bit pattern; false when malformed.
bool ParseHexPattern(std::string_view digits, uint32_t& pattern) {
  if (digits.empty()) return false;
  uint32_t value = 0;
  int significant = 0;
  for (char c : digits) {
    const int digit = HexDigitValue(c);
    if (digit < 0) return false;
    if (significant > 0 || digit != 0) ++significant;
    if (significant > 8) return false;
    value = (value << 4) | static_cast<uint32_t>(digit);
  }
  pattern = value;
  return true;
}

// Length of the hexadecimal prefix that starts `text` ("$", "x", "X", "0x", "0X"), else 0.
std::size_t HexPrefixLength(std::string_view text) {
  if (text.starts_with('$') || text.starts_with('x') || text.starts_with('X')) return 1;
  if (text.starts_with("0x") || text.starts_with("0X")) return 2;
  return 0;
}

// Powers of ten that are exact doubles (5^22 still fits in 53 bits).
constexpr std::array<double, 23> kExactPowersOfTen = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Converts digits with at most one point, the shape of nearly every number in the files,
// when the digits fit in 53 bits and at most 22 of them follow the point: the digits and the
// power of ten are then exact doubles, and one division rounds exactly as from_chars would.
// False for any other text, which from_chars then reads.
bool ConvertPlainDecimal(std::string_view text, double& value) {
  constexpr int kMaxDigits = 19;  // fits in 64 bits
  std::uint64_t digits = 0;
  int digitCount = 0;
  int fractionDigits = 0;
  bool sawPoint = false;
  for (const char c : text) {
    if (IsDigit(c)) {
      if (++digitCount > kMaxDigits) return false;
      digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
      if (sawPoint) ++fractionDigits;
    } else if (c == '.' && !sawPoint) {
      sawPoint = true;
    } else {
      return false;
    }
  }
  if (digitCount == 0 || digits > (std::uint64_t{1} << 53) ||
      fractionDigits >= static_cast<int>(kExactPowersOfTen.size())) {
    return false;
  }
  value = static_cast<double>(digits) / kExactPowersOfTen[static_cast<std::size_t>(fractionDigits)];
  return true;
}

}  // namespace

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::string RemoveBlanks(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (IsLeadByte(byte) && i + 1 < text.size()) {
      const auto trail = static_cast<unsigned char>(text[i + 1]);
      if (byte != kFullWidthSpaceLead || trail != kFullWidthSpaceTrail) {
        result.append(text.substr(i, 2));
      }
      ++i;
    } else if (IsLeadByte(byte) || byte > kSpace) {
      result.push_back(text[i]);
    }
  }
  return result;
}

bool TextToBool(std::string_view text) {
  const std::string word = UpperCaseSingleBytes(RemoveBlanks(text));
  for (std::string_view trueWord : kTrueWords) {
    if (word == trueWord) return true;
  }
  return false;
}

std::string BoolToText(bool value) { return value ? "1" : "0"; }

int32_t TextToInt(std::string_view text) {
  const bool negative = TakeLeadingSign(text);
  if (const std::size_t prefix = HexPrefixLength(text); prefix > 0) {
    uint32_t pattern = 0;
    if (!ParseHexPattern(text.substr(prefix), pattern)) return 0;
    if (negative) pattern = 0u - pattern;
    return static_cast<int32_t>(pattern);
  }
  if (text.empty() || !IsDigit(text.front())) return 0;
  // Digits only, so from_chars cannot stop early except at an invalid byte.
  int64_t magnitude = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
  if (error != std::errc{} || end != text.data() + text.size()) return 0;
  const int64_t value = negative ? -magnitude : magnitude;
  if (value < INT32_MIN || value > INT32_MAX) return 0;
  return static_cast<int32_t>(value);
}

double TextToFloat(std::string_view text) {
  const bool negative = TakeLeadingSign(text);
  // from_chars in the general format reads exactly the decimal grammar (digits with at most
  // one point and at least one digit, then an optional exponent with an optional sign and at
  // least one digit) once a second sign, "inf" and "nan" are ruled out by the first byte; a
  // text it does not use up is malformed. So one pass both checks and converts.
  if (text.empty() || !(IsDigit(text.front()) || text.front() == '.')) return 0.0;
  double value = 0.0;
  if (ConvertPlainDecimal(text, value)) return negative ? -value : value;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  if (end != text.data() + text.size()) return 0.0;  // malformed, whatever its value
  if (error == std::errc::result_out_of_range) {
    // Too small for a double: the value rounds to a zero of its sign, as "-0" reads as -0.0.
    // Too large: not guarded against by the grammar, and a zero fits the callers best.
    return negative ? -0.0 : 0.0;
  }
  if (error != std::errc{} || !std::isfinite(value)) return 0.0;
  return negative ? -value : value;
}

}  // namespace tq58::util
