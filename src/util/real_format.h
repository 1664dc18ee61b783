// The one general format in which reals are written to the exchange and settings files.
#pragma once

#include <string>

namespace MyFunc {

// Appends `value` rounded to 15 significant digits (half away from zero), trailing zeros
// dropped, "." as point; fixed notation for 1E-4 <= |v| < 1E15, otherwise "1.5E-7" form.
// Zero and negative zero give "0".
void AppendReal(std::string& out, double value);

// The general format of `value` as a new string.
std::string FormatReal(double value);

}  // namespace MyFunc
