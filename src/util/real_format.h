// The number forms written to the exchange and settings files: the one general format of
// reals, and decimal integers.
#pragma once

#include <cstdint>
#include <string>

namespace tq58::util {

// Appends `value` rounded to 15 significant digits (half away from zero), trailing zeros
// dropped, "." as point; fixed notation for 1E-4 <= |v| < 1E15, otherwise "1.5E-7" form.
// Zero and negative zero give "0".
void AppendReal(std::string& out, double value);

// The general format of `value` as a new string.
std::string FormatReal(double value);

// Appends an optional "-" and the decimal digits without leading zeros: "0", "25", "-1".
void AppendDecimal(std::string& out, int64_t value);

}  // namespace tq58::util
