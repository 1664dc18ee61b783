// Number forms of the drawing commands.
#include "exchange/command_format.h"

#include <array>
#include <charconv>
#include <cmath>

#include "util/real_format.h"

namespace tq58::exchange {

void AppendHex(std::string& out, int32_t value) {
  std::array<char, 16> buffer;
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), static_cast<uint32_t>(value), 16);
  for (const char* c = buffer.data(); c != result.ptr; ++c) {
    out += (*c >= 'a' && *c <= 'f') ? static_cast<char>(*c - 'a' + 'A') : *c;
  }
}

void AppendReals(std::string& out, std::initializer_list<double> values) {
  bool first = true;
  for (const double value : values) {
    if (!first) out += ' ';
    first = false;
    util::AppendReal(out, value);
  }
}

bool AllFinite(std::initializer_list<double> values) {
  for (const double value : values) {
    if (!std::isfinite(value)) return false;
  }
  return true;
}

}  // namespace tq58::exchange
