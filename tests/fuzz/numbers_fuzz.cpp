// Fuzz target: the number conversions checked against independent references. On every text
// that the grammar accepts, TextToFloat equals strtod in the C locale (correct rounding) and
// TextToInt equals the exact value; on every other text both give 0. The general real format
// must read back to the same 15 digits, and RemoveBlanks must leave no blank behind.
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "util/real_format.h"
#include "util/text_convert.h"

using namespace tq58::fuzz;

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSign(char c) { return c == '+' || c == '-'; }

// The real grammar as a transition table, written apart from the converter: leading spaces,
// a sign, digits with at most one point and at least one digit, an optional exponent.
enum CharClass { Space, Sign, Digit, Point, ExpMark, Other, kCharClasses };
enum State { Start, Signed, Whole, BarePoint, Fraction, Exp, ExpSigned, ExpDigits, Rejected };

CharClass ClassOf(char c) {
  if (c == ' ') return Space;
  if (IsSign(c)) return Sign;
  if (IsDigit(c)) return Digit;
  if (c == '.') return Point;
  if (c == 'e' || c == 'E') return ExpMark;
  return Other;
}

// clang-format off
constexpr State kNext[Rejected][kCharClasses] = {
    //              Space     Sign       Digit      Point      ExpMark   Other
    /* Start */     {Start,    Signed,    Whole,     BarePoint, Rejected, Rejected},
    /* Signed */    {Rejected, Rejected,  Whole,     BarePoint, Rejected, Rejected},
    /* Whole */     {Rejected, Rejected,  Whole,     Fraction,  Exp,      Rejected},
    /* BarePoint */ {Rejected, Rejected,  Fraction,  Rejected,  Rejected, Rejected},
    /* Fraction */  {Rejected, Rejected,  Fraction,  Rejected,  Exp,      Rejected},
    /* Exp */       {Rejected, ExpSigned, ExpDigits, Rejected,  Rejected, Rejected},
    /* ExpSigned */ {Rejected, Rejected,  ExpDigits, Rejected,  Rejected, Rejected},
    /* ExpDigits */ {Rejected, Rejected,  ExpDigits, Rejected,  Rejected, Rejected},
};
// clang-format on

bool RealGrammarAccepts(std::string_view text) {
  State state = Start;
  for (const char c : text) {
    state = kNext[state][ClassOf(c)];
    if (state == Rejected) return false;
  }
  return state == Whole || state == Fraction || state == ExpDigits;
}

int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The exact value of an integer text by the grammar, in wide arithmetic; 0 when the text is
// malformed, a decimal value leaves the 32-bit range or a hexadecimal one has more than 8
// significant digits.
int32_t ExpectedInt(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && IsSign(text[i])) negative = text[i++] == '-';
  const std::string_view body = text.substr(i);
  std::size_t prefix = 0;
  if (body.starts_with("0x") || body.starts_with("0X")) {
    prefix = 2;
  } else if (!body.empty() && (body[0] == '$' || body[0] == 'x' || body[0] == 'X')) {
    prefix = 1;
  }
  const std::string_view digits = body.substr(prefix);
  if (digits.empty()) return 0;
  __int128 value = 0;
  int significant = 0;
  for (const char c : digits) {
    const int digit = prefix > 0 ? HexValue(c) : (IsDigit(c) ? c - '0' : -1);
    if (digit < 0) return 0;
    if (significant > 0 || digit != 0) ++significant;
    if (significant > (prefix > 0 ? 8 : 11)) return 0;  // 11 decimal digits exceed 32 bits
    value = value * (prefix > 0 ? 16 : 10) + digit;
  }
  if (prefix > 0) {
    const auto pattern = static_cast<uint32_t>(value);
    return static_cast<int32_t>(negative ? 0u - pattern : pattern);
  }
  if (negative) value = -value;
  if (value < INT32_MIN || value > INT32_MAX) return 0;
  return static_cast<int32_t>(value);
}

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

void CheckReal(const std::string& text) {
  const double value = tq58::util::TextToFloat(text);
  if (!RealGrammarAccepts(text)) {
    Require(SameBits(value, 0.0), "a text outside the real grammar reads as 0.0");
    return;
  }
  errno = 0;
  char* end = nullptr;
  const double reference = std::strtod(text.c_str(), &end);
  Require(end == text.c_str() + text.size(), "strtod takes every text of the grammar whole");
  if (std::isinf(reference)) {
    Require(value == 0.0, "a text beyond the range of a double reads as a zero");
    return;
  }
  Require(SameBits(value, reference), "TextToFloat rounds as strtod does");

  // The general format reads back to the same 15 significant digits.
  const std::string written = tq58::util::FormatReal(value);
  Require(RealGrammarAccepts(written), "the general format is in the real grammar");
  const double readBack = tq58::util::TextToFloat(written);
  Require(std::fabs(readBack - value) <= 6e-15 * std::fabs(value),
          "the general format keeps 15 significant digits");
  Require(tq58::util::FormatReal(readBack) == written, "the general format is a fixed point");
}

void CheckInt(std::string_view text) {
  Require(tq58::util::TextToInt(text) == ExpectedInt(text), "TextToInt gives the exact value");
}

void CheckRemoveBlanks(std::string_view text) {
  const std::string kept = tq58::util::RemoveBlanks(text);
  for (std::size_t i = 0; i < kept.size(); ++i) {
    const auto byte = static_cast<unsigned char>(kept[i]);
    if (tq58::util::IsLeadByte(byte)) {
      Require(i + 1 == kept.size() || byte != 0x81 || kept[i + 1] != 0x40,
              "no full-width space is kept");
      ++i;
    } else {
      Require(byte > 0x20, "no blank or control byte is kept");
    }
  }
  Require(tq58::util::RemoveBlanks(kept) == kept, "RemoveBlanks leaves nothing to remove");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // strtod is the reference only in the C locale, whose decimal point is ".".
  Require(std::strcmp(std::setlocale(LC_NUMERIC, nullptr), "C") == 0, "the C locale is in use");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string text(AsText(data, size));
  CheckReal(text);
  CheckInt(text);
  CheckRemoveBlanks(text);
  return 0;
}
