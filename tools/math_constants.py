#!/usr/bin/env python3
"""Computes the constants of the portable sine, cosine and arc tangent and prints them as
the C++ header src/util/portable_math_constants.h:

    python3 tools/math_constants.py > src/util/portable_math_constants.h

Everything is exact integer arithmetic: pi and the arc tangents come from Euler's series
for atan in fixed point with many guard bits, the sines from Taylor's series in fixed point,
the series coefficients from fractions. A value is written as a pair of doubles (hi, lo), hi
the nearest double and lo the nearest double to the rest, in hexadecimal so that no compiler
rounds it again. The error bounds of the fast paths are derived here too, as rationals, and
written rounded up.
"""

from fractions import Fraction
import math

# Fixed-point precision of the intermediate values, in bits.
PRECISION = 1600
GUARD = 64

# The remainder of the sine and cosine reduction lies within pi/4, the argument of the arc
# tangent series within 1/32 (breakpoints every 1/16); the series are cut where the rest is
# below 2^-90 of the value, far below the last bit of a double.
SIN_COS_ARGUMENT_BOUND = Fraction(7854, 10000)  # just above pi/4
ATAN_ARGUMENT_BOUND = Fraction(1, 32)
SERIES_CUTOFF = Fraction(1, 2**90)
ATAN_BREAKPOINTS = 16

# The reduction needs bits of 2/pi up to 2^-1225 (the largest double has exponent 1023).
TWO_OVER_PI_WORDS = 21

# The fast paths. Sine and cosine: |x| = n * pi/256 + r with |r| <= pi/512 and a table of
# sin(j pi/256) for j = 0..128 (the cosines are the same entries read backwards). Below 2^20,
# n < 2^27, so n times a part of pi/256 of 26 bits is exact. Arc tangent: breakpoints k/128.
SIN_COS_STEPS_PER_QUARTER = 128
SIN_COS_FAST_LIMIT = 2**20
STEP_PART_BITS = 26
ATAN_FAST_BREAKPOINTS = 128
# The fast paths sum sin r - r and cos r - 1 to the r^7 and r^6 terms, atan u - u to u^9: the
# first three and four coefficients after the leading one of the series above.
FAST_SIN_COS_TERMS = 3
FAST_ATAN_TERMS = 4
# The error bounds below are the sums of the worst cases derived term by term, made a quarter
# larger so that a slip in that derivation of up to a quarter is still covered.
BOUND_SAFETY = Fraction(5, 4)
UNIT_ROUNDOFF = Fraction(1, 2**53)


def atan_fixed(num, den, bits):
    """atan(num/den) * 2^bits, for 0 <= num <= den, by Euler's series
    atan(x) = sum over n of (2^2n (n!)^2 / (2n+1)!) x^(2n+1) / (1+x^2)^(n+1),
    whose terms shrink at least by half each for x <= 1."""
    scale = 1 << (bits + GUARD)
    square = num * num + den * den  # (1 + x^2) * den^2
    term = scale * num * den // square  # x / (1 + x^2)
    total = 0
    n = 0
    while term:
        total += term
        n += 1
        term = term * 2 * n * num * num // ((2 * n + 1) * square)
    return total >> GUARD


def double_double(value):
    """The pair (hi, lo) of doubles nearest to the rational value."""
    hi = float(value)
    lo = float(value - Fraction(hi))
    return hi, lo


def fixed_to_fraction(fixed, bits):
    return Fraction(fixed, 1 << bits)


def series_terms(coefficient, power, bound):
    """Coefficients c_k (k = 0, 1, ...) of a series sum c_k t^(power(k)) cut after the first
    term whose successor is below the cutoff at the bound (alternating, decreasing terms)."""
    terms = []
    k = 0
    while True:
        terms.append(coefficient(k))
        if abs(coefficient(k + 1)) * bound ** power(k + 1) < SERIES_CUTOFF:
            return terms
        k += 1


def hex_pair(pair):
    return "{%s, %s}" % (float.hex(pair[0]), float.hex(pair[1]))


def sin_fixed(theta, bits):
    """sin(theta / 2^bits) * 2^bits for 0 <= theta <= 2^bits * pi/2, by Taylor's series."""
    scale = 1 << GUARD
    x = theta * scale
    square = x * x >> (bits + GUARD)
    term = x
    total = 0
    k = 0
    while term:
        total += term
        k += 1
        term = -(term * square >> (bits + GUARD)) // ((2 * k) * (2 * k + 1))
    return total >> GUARD


def round_to_bits(value, bits):
    """The nonzero rational value rounded to the given number of significant bits."""
    magnitude = abs(value)
    exponent = magnitude.numerator.bit_length() - magnitude.denominator.bit_length()
    while Fraction(2)**exponent > magnitude:
        exponent -= 1
    while Fraction(2)**(exponent + 1) <= magnitude:
        exponent += 1
    unit = Fraction(2)**(exponent - bits + 1)
    return round(value / unit) * unit


def double_above(value):
    """The smallest double not below the positive rational value."""
    result = float(value)
    if Fraction(result) < value:
        result = math.nextafter(result, math.inf)
    return result


def sin_cos_error_per_unit(step, sin_terms, cos_terms):
    """The relative error bound of the sine and cosine fast path, as a multiple of the value
    (see the evaluation in portable_math.cpp). A and B are the table entries that multiply
    cos r and sin r, u the unit roundoff, R the largest |r|. Two facts bound every term by the
    value V: |A| <= 2 V (the worst case is j = 1: sin(pi/256) / sin(pi/512) < 2) and
    |B r| <= 1.0001 V."""
    u = UNIT_ROUNDOFF
    # n is the nearest integer to a rounded product: r may exceed a half step by a hair.
    reach = step / 2 * (1 + Fraction(1, 2**20))
    assert math.sin(float(step)) / math.sin(float(step - reach)) < 2.0
    assert float(reach) / math.sin(float(step - reach)) < 1.0001
    # In units of u R^2 V: each rounding of a product or a sum adds u times its magnitude.
    rounding = sum([
        4 * Fraction(10001, 10000),  # A (cos r - 1): z, cos poly, z * poly, A.hi *; |A c| <= R^2 V
        5 * Fraction(10001, 10000) / 6,  # B (sin r - r): z, r z, sin poly, product, B.hi *
        Fraction(10001, 10000),  # A.lo (cos r - 1), left out: |A.lo| <= 2 u V
        Fraction(10001, 10000) / 2,  # sin r - r taken at rh: its slope is below r^2 / 2
        Fraction(1, 6) + 1 + Fraction(1, 100),  # adding B (sin r - r), then A (cos r - 1) to lo
        Fraction(7, 6) + Fraction(1, 100),  # lo + bound and lo - bound in the rounding test
        Fraction(1, 100),  # everything of order u^2 V: table pairs, small products, reduction
    ])
    # The series left out and the coefficients rounded to doubles.
    cos_series = 2 * Fraction(reach)**(2 * cos_terms + 2) / math.factorial(2 * cos_terms + 2)
    sin_series = Fraction(10001, 10000) * reach**(2 * sin_terms + 2) / math.factorial(
        2 * sin_terms + 3)
    for k in range(1, cos_terms + 1):
        exact = Fraction((-1)**k, math.factorial(2 * k))
        cos_series += 2 * abs(exact - Fraction(float(exact))) * reach**(2 * k)
    for k in range(1, sin_terms + 1):
        exact = Fraction((-1)**k, math.factorial(2 * k + 1))
        sin_series += Fraction(10001, 10000) * abs(exact - Fraction(float(exact))) * reach**(2 * k)
    total = rounding * u * reach**2 + cos_series + sin_series
    # The bound is taken relative to hi, which differs from V by |lo| <= (7/6) R^2 V.
    return double_above(BOUND_SAFETY * total * (1 + Fraction(1, 4096)))


def atan_error_per_unit(breakpoints, atan_terms):
    """The relative error bound of the arc tangent fast path, as a multiple of the result W
    (see the evaluation in portable_math.cpp): with |u| <= 1/(2 breakpoints) =: R, the angle
    before the reflections is at least |u| / 1.0001 and at most W."""
    u = UNIT_ROUNDOFF
    reach = Fraction(1, 2 * breakpoints) * (1 + Fraction(1, 2**20))
    # In units of u R^2 W.
    rounding = sum([
        4 * Fraction(10001, 10000) / 3,  # atan u - u: z, u z, poly, product; at most |u|^3 / 3
        Fraction(10001, 10000),  # atan u - u taken at uh: its slope is below u^2
        3 * (Fraction(1, 3) + Fraction(1, 100)),  # adding it to lo, and lo in each reflection
        Fraction(1, 3) + Fraction(1, 100),  # lo + bound and lo - bound in the rounding test
        Fraction(1, 100),  # everything of order u^2 W: the quotient, table pairs, constants
    ])
    series = reach**(2 * atan_terms + 2) / (2 * atan_terms + 3)
    for k in range(1, atan_terms + 1):
        exact = Fraction((-1)**k, 2 * k + 1)
        series += abs(exact - Fraction(float(exact))) * reach**(2 * k)
    total = rounding * u * reach**2 + Fraction(10001, 10000) * series
    return double_above(BOUND_SAFETY * total * (1 + Fraction(1, 4096)))


def main():
    pi = fixed_to_fraction(4 * atan_fixed(1, 1, PRECISION), PRECISION)
    assert float(pi) == math.pi

    # Words of floor(2/pi * 2^(64 * (words - 1))), most significant first: the first word is
    # the integer part (0), then the bits of the fraction.
    fraction_bits = 64 * (TWO_OVER_PI_WORDS - 1)
    assert fraction_bits + GUARD < PRECISION
    pi_fixed = 4 * atan_fixed(1, 1, PRECISION)
    two_over_pi = (1 << (PRECISION + fraction_bits + 1)) // pi_fixed
    words = [(two_over_pi >> (64 * (TWO_OVER_PI_WORDS - 1 - i))) & (2**64 - 1)
             for i in range(TWO_OVER_PI_WORDS)]
    assert words[0] == 0 and words[1] >> 63 == 1

    sin_terms = series_terms(lambda k: Fraction((-1)**k, math.factorial(2 * k + 1)),
                             lambda k: 2 * k, SIN_COS_ARGUMENT_BOUND)
    cos_terms = series_terms(lambda k: Fraction((-1)**k, math.factorial(2 * k)),
                             lambda k: 2 * k, SIN_COS_ARGUMENT_BOUND)
    atan_terms = series_terms(lambda k: Fraction((-1)**k, 2 * k + 1), lambda k: 2 * k,
                              ATAN_ARGUMENT_BOUND)

    atan_breakpoints = []
    for k in range(ATAN_BREAKPOINTS + 1):
        value = fixed_to_fraction(atan_fixed(k, ATAN_BREAKPOINTS, PRECISION), PRECISION)
        assert float(value) == math.atan(k / ATAN_BREAKPOINTS)
        atan_breakpoints.append(double_double(value))

    # The fast sine and cosine: the step pi/256 split into three parts of 26 bits and a fourth
    # part, so that n times each of the first three is exact for every n below 2^27.
    steps_per_turn = 4 * SIN_COS_STEPS_PER_QUARTER
    step = pi * 2 / steps_per_turn
    steps_per_radian = float(1 / step)
    assert float(SIN_COS_FAST_LIMIT * steps_per_radian) + 1 < 2**(53 - STEP_PART_BITS)
    step_parts = []
    for _ in range(3):
        step_parts.append(round_to_bits(step - sum(step_parts), STEP_PART_BITS))
    step_parts.append(Fraction(float(step - sum(step_parts))))
    assert all(Fraction(float(part)) == part for part in step_parts)
    # The reduction's error per step: the parts' shortfall from the step (pi itself is known to
    # 2^-1500 here), the rounding of n times the last part and of the low sum it joins, and
    # that low sum's rounding of order 2^-106 of the rest before the third part.
    u = UNIT_ROUNDOFF
    step_error = double_above(
        abs(step - sum(step_parts)) + Fraction(1, 2**1500) +
        Fraction(2001, 1000) * (u * abs(step_parts[3]) + u * u * abs(step_parts[2])))

    sin_of_steps = []
    for j in range(SIN_COS_STEPS_PER_QUARTER + 1):
        if j in (0, SIN_COS_STEPS_PER_QUARTER):  # exactly 0 and 1
            value = Fraction(j // SIN_COS_STEPS_PER_QUARTER)
        else:
            value = fixed_to_fraction(sin_fixed(2 * j * pi_fixed // steps_per_turn, PRECISION),
                                      PRECISION)
        reference = math.sin(j * math.pi / (2 * SIN_COS_STEPS_PER_QUARTER))
        assert abs(float(value) - reference) <= 2 * math.ulp(reference)
        sin_of_steps.append(double_double(value))
    sin_cos_error = sin_cos_error_per_unit(step, FAST_SIN_COS_TERMS, FAST_SIN_COS_TERMS)

    atan_fast_breakpoints = []
    for k in range(ATAN_FAST_BREAKPOINTS + 1):
        value = fixed_to_fraction(atan_fixed(k, ATAN_FAST_BREAKPOINTS, PRECISION), PRECISION)
        reference = math.atan(k / ATAN_FAST_BREAKPOINTS)
        assert abs(float(value) - reference) <= math.ulp(reference)
        atan_fast_breakpoints.append(double_double(value))
    atan_error = atan_error_per_unit(ATAN_FAST_BREAKPOINTS, FAST_ATAN_TERMS)

    out = []
    out.append("// Constants of the portable sine, cosine and arc tangent, as pairs hi + lo of doubles.")
    out.append("// Generated by tools/math_constants.py; edit that script, not this file.")
    out.append("#pragma once")
    out.append("")
    out.append("#include <array>")
    out.append("#include <cstdint>")
    out.append("")
    out.append("namespace tq58::util::portable_math_constants {")
    out.append("")
    out.append("struct Pair {")
    out.append("  double hi;")
    out.append("  double lo;")
    out.append("};")
    out.append("")
    out.append("inline constexpr Pair kPi = %s;" % hex_pair(double_double(pi)))
    out.append("inline constexpr Pair kHalfPi = %s;" % hex_pair(double_double(pi / 2)))
    out.append("")
    out.append("// floor(2/pi * 2^%d), most significant word first; word 0 is the integer part."
               % fraction_bits)
    out.append("inline constexpr std::array<uint64_t, %d> kTwoOverPiWords = {" % len(words))
    for i in range(0, len(words), 4):
        out.append("    " + " ".join("0x%016Xu," % w for w in words[i:i + 4]))
    out.append("};")
    out.append("")

    def series(name, comment, terms):
        out.append("// %s" % comment)
        out.append("inline constexpr std::array<Pair, %d> %s = {{" % (len(terms), name))
        for c in terms:
            out.append("    %s," % hex_pair(double_double(c)))
        out.append("}};")
        out.append("")

    series("kSinSeries", "sin(r) = r * sum of c_k r^2k for |r| <= pi/4 (Taylor: (-1)^k / (2k+1)!).",
           sin_terms)
    series("kCosSeries", "cos(r) = sum of c_k r^2k for |r| <= pi/4 (Taylor: (-1)^k / (2k)!).",
           cos_terms)
    series("kAtanSeries", "atan(u) = u * sum of c_k u^2k for |u| <= 1/32 ((-1)^k / (2k+1)).",
           atan_terms)

    def doubles(name, comment, values):
        out.append("// %s" % comment)
        out.append("inline constexpr std::array<double, %d> %s = {" % (len(values), name))
        for v in values:
            out.append("    %s," % float.hex(float(v)))
        out.append("};")
        out.append("")

    def pairs(name, values):
        out.append("inline constexpr std::array<Pair, %d> %s = {{" % (len(values), name))
        for pair in values:
            out.append("    %s," % hex_pair(pair))
        out.append("}};")
        out.append("")

    out.append("// Breakpoints of the arc tangent: atan(k / %d) for k = 0..%d."
               % (ATAN_BREAKPOINTS, ATAN_BREAKPOINTS))
    out.append("inline constexpr int kAtanBreakpointsPerUnit = %d;" % ATAN_BREAKPOINTS)
    out.append("inline constexpr std::array<Pair, %d> kAtanOfBreakpoints = {{"
               % len(atan_breakpoints))
    for pair in atan_breakpoints:
        out.append("    %s," % hex_pair(pair))
    out.append("}};")
    out.append("")

    out.append("// --- The fast paths: estimates with an error bound, proven in tools/math_constants.py ---")
    out.append("")
    out.append("// Sine and cosine below 2^%d: |x| = n * pi/%d + r, |r| <= pi/%d. The step is split"
               % (SIN_COS_FAST_LIMIT.bit_length() - 1, steps_per_turn // 2, steps_per_turn))
    out.append("// into parts whose products with any such n are exact but for the last one.")
    out.append("inline constexpr double kSinCosFastLimit = %s;" % float.hex(float(SIN_COS_FAST_LIMIT)))
    out.append("inline constexpr double kStepsPerRadian = %s;" % float.hex(steps_per_radian))
    out.append("inline constexpr std::array<double, %d> kStepParts = {" % len(step_parts))
    for part in step_parts:
        out.append("    %s," % float.hex(float(part)))
    out.append("};")
    out.append("// Bound on the error of the reduced argument, per step of n.")
    out.append("inline constexpr double kStepReductionError = %s;" % float.hex(step_error))
    out.append("// Bound on the error of the estimate relative to its size, besides the reduction's.")
    out.append("inline constexpr double kSinCosFastError = %s;" % float.hex(sin_cos_error))
    out.append("")
    doubles("kSinRestSeries", "sin r - r = r^3 * sum of c_k r^2k (the Taylor coefficients from 1/3!).",
            sin_terms[1:FAST_SIN_COS_TERMS + 1])
    doubles("kCosRestSeries", "cos r - 1 = r^2 * sum of c_k r^2k (the Taylor coefficients from 1/2!).",
            cos_terms[1:FAST_SIN_COS_TERMS + 1])
    out.append("// sin(j pi/%d) for j = 0..%d; cos(j pi/%d) is entry %d - j."
               % (steps_per_turn // 2, SIN_COS_STEPS_PER_QUARTER, steps_per_turn // 2,
                  SIN_COS_STEPS_PER_QUARTER))
    out.append("inline constexpr int kStepsPerQuarter = %d;" % SIN_COS_STEPS_PER_QUARTER)
    pairs("kSinOfSteps", sin_of_steps)

    out.append("// Arc tangent: atan(q) = atan(k / %d) + atan(u), |u| <= 1/%d."
               % (ATAN_FAST_BREAKPOINTS, 2 * ATAN_FAST_BREAKPOINTS))
    out.append("// Bound on the error of the estimate relative to its size.")
    out.append("inline constexpr double kAtanFastError = %s;" % float.hex(atan_error))
    out.append("")
    doubles("kAtanRestSeries", "atan u - u = u^3 * sum of c_k u^2k (the coefficients from -1/3).",
            atan_terms[1:FAST_ATAN_TERMS + 1])
    out.append("inline constexpr int kAtanFastBreakpointsPerUnit = %d;" % ATAN_FAST_BREAKPOINTS)
    pairs("kAtanOfFastBreakpoints", atan_fast_breakpoints)

    out.append("}  // namespace tq58::util::portable_math_constants")
    print("\n".join(out))


if __name__ == "__main__":
    main()
