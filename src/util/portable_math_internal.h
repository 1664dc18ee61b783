// The two ways the portable sine, cosine and arc tangent compute, apart for tests: the exact
// path, and the fast path that answers only when its error bound proves its result equal to
// the exact path's. The functions of portable_math.h try the fast path first.
#pragma once

#include <optional>

namespace tq58::util::portable_math_internal {

// The exact path: the argument reduced exactly, the series summed with about 100 bits; the
// special values as documented in portable_math.h.
double ExactSin(double x);
double ExactCos(double x);
double ExactAtan2(double y, double x);

// The fast path: the correctly rounded result, or nothing when the estimate lies too close
// to a rounding boundary or the arguments are outside its range (zeros, tiny or huge
// arguments, infinities, NaN).
std::optional<double> FastSin(double x);
std::optional<double> FastCos(double x);
std::optional<double> FastAtan2(double y, double x);

}  // namespace tq58::util::portable_math_internal
