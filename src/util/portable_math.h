// Sine, cosine and two-argument arc tangent that give the same bits on every platform: our
// own code from IEEE double +, -, *, / only, so the Linux and the Windows build (whose C
// libraries differ in the last bit) compute identical geometry. They work with about 100
// bits, so each result is the true value rounded to the nearest double but for near-ties too
// rare to have been met, and within 1 ulp of it in any case. A cheaper estimate answers first
// wherever its error bound proves it rounds to that same double.
#pragma once

namespace tq58::util {

// sin(x) for x in radians, any finite x (the reduction by pi/2 is exact for every double);
// NaN for an infinite or NaN x; -0 for -0.
double PortableSin(double x);

// cos(x) for x in radians, any finite x; NaN for an infinite or NaN x.
double PortableCos(double x);

// The angle of the point (x, y) from the +x axis, -pi to pi, as C's atan2: NaN if either
// is NaN; the sign of y, zero included, is the sign of the result; (±0, +0) gives ±0 and
// (±0, -0) gives ±pi; infinities give the multiples of pi/4 of their directions.
double PortableAtan2(double y, double x);

}  // namespace tq58::util
