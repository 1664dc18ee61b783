// Portable sine, cosine and arc tangent: a fast estimate with a proven error bound where that
// settles the rounding, else double-double arithmetic with the argument reduced exactly, the
// series summed with about 100 bits, and only the final step rounding.
#include "util/portable_math.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "util/portable_math_constants.h"
#include "util/portable_math_internal.h"

namespace tq58::util {

namespace {

namespace pmc = portable_math_constants;

// A value held as hi + lo, |lo| at most half an ulp of hi: about 106 bits.
using DoubleDouble = pmc::Pair;

// --- Exact sums and products of two doubles, and double-double arithmetic on them ---

// hi + lo == a + b exactly, hi the rounded sum (Knuth).
DoubleDouble TwoSum(double a, double b) {
  const double sum = a + b;
  const double bPart = sum - a;
  return {sum, (a - (sum - bPart)) + (b - bPart)};
}

// The same when a is 0 or its exponent is at least b's (Dekker).
DoubleDouble FastTwoSum(double a, double b) {
  const double sum = a + b;
  return {sum, b - (sum - a)};
}

// a == high + low exactly, each half with at most 26 significant bits (Veltkamp's split), so
// that the product of two halves is exact.
struct Halves {
  double high;
  double low;
};
Halves Split(double a) {
  constexpr double kSplitter = 0x1p27 + 1.0;
  const double scaled = kSplitter * a;
  const double high = scaled - (scaled - a);
  return {high, a - high};
}

// hi + lo == a * b exactly, by splitting each factor into two halves of 26 bits (Dekker; no
// fused multiply-add is needed). Exact while the factors stay below 2^995 and the product
// above 2^-969, which the callers ensure.
DoubleDouble TwoProduct(double a, double b) {
  const Halves x = Split(a);
  const Halves y = Split(b);
  const double product = a * b;
  return {product, ((x.high * y.high - product) + x.high * y.low + x.low * y.high) + x.low * y.low};
}

DoubleDouble Negated(DoubleDouble a) { return {-a.hi, -a.lo}; }

// Keeps its accuracy when a and b cancel, as the reductions below need.
DoubleDouble Add(DoubleDouble a, DoubleDouble b) {
  DoubleDouble high = TwoSum(a.hi, b.hi);
  const DoubleDouble low = TwoSum(a.lo, b.lo);
  high = FastTwoSum(high.hi, high.lo + low.hi);
  return FastTwoSum(high.hi, high.lo + low.lo);
}

DoubleDouble Multiply(DoubleDouble a, DoubleDouble b) {
  const DoubleDouble product = TwoProduct(a.hi, b.hi);
  return FastTwoSum(product.hi, product.lo + (a.hi * b.lo + a.lo * b.hi));
}

// Long division in two steps: the second quotient digit comes from the exact remainder.
DoubleDouble Divide(DoubleDouble n, DoubleDouble d) {
  const double first = n.hi / d.hi;
  const DoubleDouble remainder = Add(n, Negated(Multiply(d, {first, 0.0})));
  return FastTwoSum(first, remainder.hi / d.hi);
}

// The sum of c[k] * t^k by Horner's rule.
template <std::size_t N>
DoubleDouble Series(const std::array<DoubleDouble, N>& c, DoubleDouble t) {
  DoubleDouble sum = c[N - 1];
  for (std::size_t k = N - 1; k-- > 0;) sum = Add(Multiply(sum, t), c[k]);
  return sum;
}

// --- Sine and cosine ---

// The quarter turns in x: x = (4 m + count) * pi/2 + rest with |rest| <= pi/4.
struct QuarterTurns {
  unsigned count;
  DoubleDouble rest;
};

constexpr double kQuarterPi = pmc::kPi.hi / 4.0;  // just below pi/4
constexpr uint64_t kLow32Bits = 0xFFFFFFFFu;
// A finite double is mantissa * 2^(biased exponent - 1075): the bias 1023 and 52 bits of
// fraction; the largest biased exponent 2046 gives 971.
constexpr int kExponentOffset = 1075;
constexpr int kLargestExponent = 2046 - kExponentOffset;
// Bit i of 2/pi, of weight 2^-i, is bit i + 63 of the table: word 0 holds the integer part.
constexpr int kTableBitOfUnits = 63;

// 64 bits of the table of 2/pi from the given bit on (bit 0: the top of word 0).
uint64_t TwoOverPiBitsAt(int position) {
  const auto word = static_cast<std::size_t>(position / 64);
  const int shift = position % 64;
  const auto& words = pmc::kTwoOverPiWords;
  if (shift == 0) return words[word];
  return words[word] << shift | words[word + 1] >> (64 - shift);
}

// The window of 192 bits of the largest double, and the word after it, lie within the table.
static_assert((kLargestExponent - 1 + kTableBitOfUnits + 128) / 64 + 1 <
              pmc::kTwoOverPiWords.size());

// Reduces x >= 0, finite, exactly: x * 2/pi is taken in integer arithmetic as the 53-bit
// mantissa of x times a window of 192 bits of 2/pi, so no bits cancel, however large x is or
// however close to a multiple of pi/2 (the rest keeps far more than 53 correct bits).
QuarterTurns ReduceByQuarterTurns(double x) {
  if (x <= kQuarterPi) return {0, {x, 0.0}};

  // x = mantissa * 2^exponent; x is a normal number here.
  const auto bits = std::bit_cast<uint64_t>(x);
  const int exponent = static_cast<int>(bits >> 52) - kExponentOffset;
  const uint64_t mantissa = (bits & ((uint64_t{1} << 52) - 1)) | uint64_t{1} << 52;

  // Bit i of 2/pi adds mantissa * 2^(exponent - i) to x * 2/pi, a multiple of 4 for
  // i <= exponent - 2: whole turns, which do not matter. The window starts at the first bit
  // that does; the bits after it add less than 2^-137.
  const int start = exponent - 1 + kTableBitOfUnits;
  const uint64_t high = TwoOverPiBitsAt(start);
  const uint64_t middle = TwoOverPiBitsAt(start + 64);
  const uint64_t low = TwoOverPiBitsAt(start + 128);
  const std::array<uint64_t, 6> window = {low & kLow32Bits, low >> 32,         middle & kLow32Bits,
                                          middle >> 32,     high & kLow32Bits, high >> 32};
  const std::array<uint64_t, 2> factor = {mantissa & kLow32Bits, mantissa >> 32};

  // product = mantissa * window in 32-bit limbs, least significant first; then
  // x * 2/pi = product / 2^190 modulo 4.
  std::array<uint64_t, 8> product{};
  for (std::size_t j = 0; j < factor.size(); ++j) {
    uint64_t carry = 0;
    for (std::size_t i = 0; i < window.size(); ++i) {
      // At most (2^32 - 1)^2 + 2 (2^32 - 1) = 2^64 - 1: no overflow.
      const uint64_t sum = window[i] * factor[j] + product[i + j] + carry;
      product[i + j] = sum & kLow32Bits;
      carry = sum >> 32;
    }
    product[j + window.size()] = carry;
  }

  // Bits 190 and 191 count the quarter turns; bits 0 to 189 are the fraction of the next one.
  // A fraction of a half or more counts as a turn more and a negative rest.
  unsigned count = static_cast<unsigned>(product[5] >> 30) & 3u;
  const bool pastHalf = (product[5] >> 29 & 1u) != 0;
  product[5] &= (uint64_t{1} << 30) - 1;
  if (pastHalf) {
    ++count;
    // fraction = 2^190 - fraction, in two's complement over the 190 bits.
    uint64_t carry = 1;
    for (std::size_t i = 0; i < 6; ++i) {
      const uint64_t mask = i < 5 ? kLow32Bits : (uint64_t{1} << 30) - 1;
      const uint64_t sum = (~product[i] & mask) + carry;
      product[i] = sum & mask;
      carry = sum >> (i < 5 ? 32 : 30);
    }
  }

  // The limbs are exact doubles without overlap, so summing them loses nothing that matters.
  DoubleDouble fraction{0.0, 0.0};
  double unit = 0x1p-30;  // the weight of limb 5's lowest bit, 2^(160 - 190)
  for (std::size_t i = 6; i-- > 0;) {
    fraction = Add(fraction, {static_cast<double>(product[i]) * unit, 0.0});
    unit *= 0x1p-32;
  }
  const DoubleDouble rest = Multiply(fraction, pmc::kHalfPi);
  return {count & 3u, pastHalf ? Negated(rest) : rest};
}

// sin((4 m + count) * pi/2 + rest) for |rest| <= pi/4.
double SinOfQuarterTurns(unsigned count, DoubleDouble rest) {
  const DoubleDouble square = Multiply(rest, rest);
  const DoubleDouble value = count % 2 == 0 ? Multiply(rest, Series(pmc::kSinSeries, square))
                                            : Series(pmc::kCosSeries, square);
  // Half a turn further changes the sign.
  return (count & 2u) != 0 ? -value.hi : value.hi;
}

// --- Arc tangent ---

// atan(a / b) for 0 <= a <= b, b > 0, b finite or a finite and b infinite: 0 to pi/4.
DoubleDouble AtanOfRatio(double a, double b) {
  // Below 2^-61 atan(q) = q (1 - q^2/3 ...) rounds as q itself; the one division also gives
  // the right result where a / b underflows, and 0 for an infinite b.
  if (a < b * 0x1p-61) return {a / b, 0.0};

  // Scales both into the range where TwoProduct is exact (ratios stay above 2^-61).
  if (b > 0x1p500) {
    a *= 0x1p-600;
    b *= 0x1p-600;
  } else if (b < 0x1p-500) {
    a *= 0x1p600;
    b *= 0x1p600;
  }
  const DoubleDouble q = Divide({a, 0.0}, {b, 0.0});

  // atan(q) = atan(c) + atan(u) with u = (q - c) / (1 + q c) for the breakpoint c nearest
  // to q, so |u| <= 1/32 and the series converges fast.
  const int k = static_cast<int>(q.hi * pmc::kAtanBreakpointsPerUnit + 0.5);
  const double c = static_cast<double>(k) / pmc::kAtanBreakpointsPerUnit;
  const DoubleDouble u = Divide(Add(q, {-c, 0.0}), Add({1.0, 0.0}, Multiply(q, {c, 0.0})));
  const DoubleDouble atanU = Multiply(u, Series(pmc::kAtanSeries, Multiply(u, u)));
  return Add(pmc::kAtanOfBreakpoints[static_cast<std::size_t>(k)], atanU);
}

// --- Fast paths ---
//
// Each computes an estimate hi + lo of the true value in plain double arithmetic, with a bound
// on its error. When every value within the bound rounds to the same double, that double is
// the correctly rounded result, and the exact path, whose error is some 2^-35 of the bound,
// rounds to it too; otherwise the exact path decides, for well under one argument in a
// thousand. The bounds are derived term by term, and their constants computed, in
// tools/math_constants.py: each rounding of a product or sum adds at most 2^-53 of its
// magnitude, and the magnitudes are bounded by the result's.

// A value known to lie within `bound` of hi + lo.
struct Estimate {
  double hi;
  double lo;
  double bound;
};

// The double nearest to the value if both ends of its interval round to the same double:
// rounding is monotonic, so everything between them does too. The bound also covers the
// rounding of lo + bound and lo - bound.
std::optional<double> RoundedIfCertain(const Estimate& estimate) {
  const double above = estimate.hi + (estimate.lo + estimate.bound);
  const double below = estimate.hi + (estimate.lo - estimate.bound);
  if (above != below) return std::nullopt;
  return above;
}

// hi + lo == a * small exactly when small has at most 26 significant bits: Dekker's product
// with small as its own high half.
DoubleDouble TwoProductBySmall(double a, double small) {
  const Halves x = Split(a);
  const double product = a * small;
  return {product, (x.high * small - product) + x.low * small};
}

// The integer nearest to x, 0 <= x < 2^51, ties to even: adding 1.5 * 2^52 leaves no bits
// below the units.
double NearestInteger(double x) {
  constexpr double kShift = 0x1.8p52;
  return (x + kShift) - kShift;
}

// The sum of c[k] * z^k by Horner's rule in double.
template <std::size_t N>
double Polynomial(const std::array<double, N>& c, double z) {
  double sum = c[N - 1];
  for (std::size_t k = N - 1; k-- > 0;) sum = c[k] + z * sum;
  return sum;
}

// Zeros and tiny arguments stay on the exact path: the bound assumes that no product in the
// estimate underflows, which holds from here on.
constexpr double kSmallestFastAngle = 0x1p-27;
constexpr unsigned kStepsPerQuarter = pmc::kStepsPerQuarter;
static_assert(pmc::kSinOfSteps.size() == kStepsPerQuarter + 1);

// |x| = count * pi/256 + rest, |rest| <= pi/512 and a hair, for |x| below the fast limit.
struct Steps {
  double count;  // an integer below 2^27
  DoubleDouble rest;
};

// Cody and Waite's reduction: pi/256 in four parts, the first three of 26 bits, so that their
// products with the count are exact and only the last one rounds; the rest is summed exactly
// but for the low parts.
Steps ReduceBySteps(double ax) {
  const auto& part = pmc::kStepParts;
  const double count = NearestInteger(ax * pmc::kStepsPerRadian);
  // Exact: ax and count * part (a multiple of 2^-32) are multiples of ulp(ax), as ax < 2^20,
  // and their difference lies below the top of ax's binade.
  const double first = ax - count * part[0];
  const DoubleDouble second = TwoSum(first, -(count * part[1]));
  const DoubleDouble third = TwoSum(second.hi, -(count * part[2]));
  return {count, TwoSum(third.hi, (second.lo + third.lo) - count * part[3])};
}

// sin(ax + quarters * pi/2) for the fast range of ax.
Estimate SinEstimate(double ax, unsigned quarters) {
  const Steps steps = ReduceBySteps(ax);
  const double rh = steps.rest.hi;
  const double rl = steps.rest.lo;
  // ax + quarters * pi/2 = quarter * pi/2 + j * pi/256 + r, and with a = sin(j pi/256) and
  // b = cos(j pi/256): sin(j pi/256 + r) = a cos r + b sin r, and a quarter turn on,
  // cos(j pi/256 + r) = b cos r - a sin r. The next half turn changes the sign.
  const auto turns = static_cast<uint32_t>(steps.count) + quarters * kStepsPerQuarter;
  const unsigned j = turns % kStepsPerQuarter;
  const unsigned quarter = turns / kStepsPerQuarter % 4;
  const DoubleDouble sine = pmc::kSinOfSteps[j];
  const DoubleDouble cosine = pmc::kSinOfSteps[kStepsPerQuarter - j];
  const DoubleDouble a = quarter % 2 == 0 ? sine : cosine;
  const DoubleDouble b = quarter % 2 == 0 ? cosine : Negated(sine);

  // a cos r + b sin r = a + b rh + [(b - a rh) rl + a (cos r - 1) + b (sin r - r)]: the first
  // two terms exactly, the small ones in double, the smallest first. |a| > |b rh| unless
  // a = 0, so the fast sum is exact; (b - a rh) rl carries rl through both series.
  const double z = rh * rh;
  const double sinRest = rh * z * Polynomial(pmc::kSinRestSeries, z);  // sin r - r
  const double cosRest = z * Polynomial(pmc::kCosRestSeries, z);       // cos r - 1
  const DoubleDouble bTimesR = TwoProduct(b.hi, rh);
  const DoubleDouble head = FastTwoSum(a.hi, bTimesR.hi);
  const double small = head.lo + bTimesR.lo + a.lo + (b.hi - a.hi * rh) * rl + b.lo * rh;
  const double lo = (small + b.hi * sinRest) + a.hi * cosRest;
  // The bound: with |a| <= 2 |value| and |b r| <= |value|, the roundings of the small terms
  // cost about 9 * 2^-53 r^2 <= 2^-64.4 of the value, most of it in a (cos r - 1); the
  // reduction adds about 2^-139 per step.
  const double sign = quarter >= 2 ? -1.0 : 1.0;
  return {sign * head.hi, sign * lo,
          pmc::kSinCosFastError * std::fabs(head.hi) + steps.count * pmc::kStepReductionError};
}

// atan(a / b) for b in [2^-500, 2^500] and b * 2^-60 <= a <= b: 0 to pi/4.
DoubleDouble AtanEstimate(double a, double b) {
  // The breakpoint c = k/128 nearest to the quotient (the quotient times 128 is exact).
  const double k = NearestInteger(a / b * pmc::kAtanFastBreakpointsPerUnit);
  const double c = k / pmc::kAtanFastBreakpointsPerUnit;
  // atan(a/b) = atan(c) + atan(u) with u = (a - c b) / (b + c a), |u| <= 1/256. c has at most
  // 8 bits, so c b and c a are exact double-doubles, and so are numerator and denominator
  // but for roundings of order 2^-106 of b.
  const DoubleDouble cb = TwoProductBySmall(b, c);
  const DoubleDouble ca = TwoProductBySmall(a, c);
  const DoubleDouble difference = TwoSum(a, -cb.hi);
  const DoubleDouble numerator = TwoSum(difference.hi, difference.lo - cb.lo);
  const DoubleDouble denominator = FastTwoSum(b, ca.hi);  // b >= c a
  const double denominatorLow = denominator.lo + ca.lo;
  // u = uh + ul, ul from the remainder numerator - uh * denominator, whose leading part
  // numerator.hi - uh * denominator.hi is exact.
  const double uh = numerator.hi / denominator.hi;
  const DoubleDouble back = TwoProduct(uh, denominator.hi);
  const double ul = (((numerator.hi - back.hi) - back.lo) + (numerator.lo - uh * denominatorLow)) /
                    denominator.hi;

  const double z = uh * uh;
  const double rest = uh * z * Polynomial(pmc::kAtanRestSeries, z);  // atan u - u
  const DoubleDouble breakpoint = pmc::kAtanOfFastBreakpoints[static_cast<std::size_t>(k)];
  const DoubleDouble head = FastTwoSum(breakpoint.hi, uh);  // atan(c) > |u| unless c = 0
  // The bound: with |u| <= the angle, the roundings of atan u - u and of the sums here and in
  // the reflections cost about 4 * 2^-53 u^2 <= 2^-66.7 of the result.
  return {head.hi, ((head.lo + breakpoint.lo) + ul) + rest};
}

// constant - angle for pi/2 or pi and an angle below it, the constant's exponent at least the
// angle's.
DoubleDouble Reflected(DoubleDouble constant, DoubleDouble angle) {
  const DoubleDouble head = FastTwoSum(constant.hi, -angle.hi);
  return {head.hi, (head.lo + constant.lo) - angle.lo};
}

}  // namespace

namespace portable_math_internal {

double ExactSin(double x) {
  if (!std::isfinite(x)) return x - x;  // NaN
  const QuarterTurns turns = ReduceByQuarterTurns(std::fabs(x));
  const double value = SinOfQuarterTurns(turns.count, turns.rest);
  return std::signbit(x) ? -value : value;
}

double ExactCos(double x) {
  if (!std::isfinite(x)) return x - x;  // NaN
  // cos(y) = sin(y + pi/2): one quarter turn more.
  const QuarterTurns turns = ReduceByQuarterTurns(std::fabs(x));
  return SinOfQuarterTurns(turns.count + 1, turns.rest);
}

double ExactAtan2(double y, double x) {
  if (std::isnan(x) || std::isnan(y)) return x + y;
  double ax = std::fabs(x);
  double ay = std::fabs(y);
  DoubleDouble angle{0.0, 0.0};  // of (|x|, |y|) first, then of (x, |y|): 0 to pi
  if (ax == 0.0 && ay == 0.0) {
    // C's rule: a negative zero x points the other way.
    if (std::signbit(x)) angle = pmc::kPi;
  } else {
    if (std::isinf(ax) && std::isinf(ay)) ax = ay = 1.0;  // both infinite: the diagonal
    // The smaller over the larger, so the ratio is at most 1; a steep vector's angle is
    // measured from the y axis.
    const bool steep = ay > ax;
    angle = steep ? AtanOfRatio(ax, ay) : AtanOfRatio(ay, ax);
    if (steep) angle = Add(pmc::kHalfPi, Negated(angle));
    if (x < 0.0) angle = Add(pmc::kPi, Negated(angle));
  }
  return std::copysign(angle.hi, y);
}

std::optional<double> FastSin(double x) {
  const double ax = std::fabs(x);
  if (!(ax >= kSmallestFastAngle && ax < pmc::kSinCosFastLimit)) return std::nullopt;
  const std::optional<double> value = RoundedIfCertain(SinEstimate(ax, 0));
  if (value && std::signbit(x)) return -*value;
  return value;
}

std::optional<double> FastCos(double x) {
  const double ax = std::fabs(x);
  if (!(ax >= kSmallestFastAngle && ax < pmc::kSinCosFastLimit)) return std::nullopt;
  return RoundedIfCertain(SinEstimate(ax, 1));
}

std::optional<double> FastAtan2(double y, double x) {
  const double ax = std::fabs(x);
  const double ay = std::fabs(y);
  const bool steep = ay > ax;
  const double a = steep ? ax : ay;
  const double b = steep ? ay : ax;
  // The products of the estimate stay exact and normal within these scales and ratios; zeros,
  // infinities and NaN fail the test too.
  if (!(b >= 0x1p-500 && b <= 0x1p500 && a >= b * 0x1p-60)) return std::nullopt;
  DoubleDouble angle = AtanEstimate(a, b);
  if (steep) angle = Reflected(pmc::kHalfPi, angle);
  if (x < 0.0) angle = Reflected(pmc::kPi, angle);
  const std::optional<double> value =
      RoundedIfCertain({angle.hi, angle.lo, pmc::kAtanFastError * angle.hi});
  if (!value) return std::nullopt;
  return std::copysign(*value, y);
}

}  // namespace portable_math_internal

double PortableSin(double x) {
  if (const std::optional<double> fast = portable_math_internal::FastSin(x)) return *fast;
  return portable_math_internal::ExactSin(x);
}

double PortableCos(double x) {
  if (const std::optional<double> fast = portable_math_internal::FastCos(x)) return *fast;
  return portable_math_internal::ExactCos(x);
}

double PortableAtan2(double y, double x) {
  if (const std::optional<double> fast = portable_math_internal::FastAtan2(y, x)) return *fast;
  return portable_math_internal::ExactAtan2(y, x);
}

}  // namespace tq58::util
