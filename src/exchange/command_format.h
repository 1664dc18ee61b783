// Number forms of the drawing commands: hexadecimal integers and runs of reals (decimal
// integers are util::AppendDecimal).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

namespace tq58::exchange {

// The value as an unsigned 32-bit number in upper-case hexadecimal: 10 gives "A".
void AppendHex(std::string& out, int32_t value);

// The reals in the general format, separated by single blanks.
void AppendReals(std::string& out, std::initializer_list<double> values);

// True when none of the values is infinite or NaN.
bool AllFinite(std::initializer_list<double> values);

}  // namespace tq58::exchange
