// The true sine, cosine and two-argument arc tangent of doubles rounded to the nearest double,
// from MPFR: the reference that the portable functions are measured against.
#pragma once

namespace tq58_test {

// Correctly rounded (to nearest, ties to even), subnormal results included; the special values
// (zeros, infinities, NaN) as C's functions give them.
double CorrectlyRoundedSin(double x);
double CorrectlyRoundedCos(double x);
double CorrectlyRoundedAtan2(double y, double x);

}  // namespace tq58_test
