// The portable sine, cosine and arc tangent against the correctly rounded results that MPFR
// gives, on dense sweeps, special points and the directions whose exact results the drawing
// relies on; and their fast path against their exact path, bit for bit.
#include "util/portable_math.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <optional>

#include "geometry/geometry.h"
#include "mpfr_reference.h"
#include "support/sequence.h"
#include "util/portable_math_internal.h"

namespace {

using std::numbers::pi;
using tq58::util::PortableAtan2;
using tq58::util::PortableCos;
using tq58::util::PortableSin;
using tq58_test::CorrectlyRoundedAtan2;
using tq58_test::CorrectlyRoundedCos;
using tq58_test::CorrectlyRoundedSin;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kTrueMin = std::numeric_limits<double>::denorm_min();

// How many doubles lie between a and b: 0 when equal, 1 for neighbours, across zero too.
uint64_t UlpDistance(double a, double b) {
  const auto ordered = [](double v) {
    const auto bits = std::bit_cast<int64_t>(v);
    return bits < 0 ? std::numeric_limits<int64_t>::min() - bits : bits;
  };
  const int64_t d = ordered(a) - ordered(b);
  return d < 0 ? static_cast<uint64_t>(-d) : static_cast<uint64_t>(d);
}

// Same value and sign, or both NaN.
bool SameResult(double a, double b) {
  if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
  return a == b && std::signbit(a) == std::signbit(b);
}

// Compares ours with the correctly rounded result: fails on any farther than 1 ulp, the bound
// that holds for every argument, and counts those that differ at all.
class Agreement {
 public:
  void Check(double ours, double rounded, const char* what, double x, double y = 0.0) {
    ++count_;
    const uint64_t distance = UlpDistance(ours, rounded);
    if (distance > 0) ++differing_;
    EXPECT_LE(distance, 1u) << what << " at " << std::hexfloat << x << ", " << y << ": " << ours
                            << " against " << rounded;
  }
  // Ours miss the correctly rounded result only on near-ties, too rare to lie among the
  // arguments of a sweep; a bug in the extra precision shows as many last-bit differences.
  void ExpectAllCorrectlyRounded() const {
    EXPECT_EQ(differing_, 0) << differing_ << " of " << count_ << " differ";
  }

 private:
  int64_t count_ = 0;
  int64_t differing_ = 0;
};

TEST(PortableSinCos, AreCorrectlyRoundedOverFourTurns) {
  Agreement sin;
  Agreement cos;
  constexpr int kSteps = 100000;
  for (int i = 0; i <= kSteps; ++i) {
    // An irrational step keeps the arguments away from a regular grid.
    const double x = -4.0 * pi + 8.0 * pi * (i + 0.5 * std::sqrt(0.5)) / kSteps;
    sin.Check(PortableSin(x), CorrectlyRoundedSin(x), "sin", x);
    cos.Check(PortableCos(x), CorrectlyRoundedCos(x), "cos", x);
  }
  sin.ExpectAllCorrectlyRounded();
  cos.ExpectAllCorrectlyRounded();
}

TEST(PortableSinCos, AreCorrectlyRoundedOnHugeArguments) {
  Agreement agreement;
  for (int exponent = 0; exponent <= 1023; ++exponent) {
    for (const double mantissa : {1.0, 1.2345678901234567, 1.9999999999999998}) {
      const double x = std::ldexp(mantissa, exponent);
      agreement.Check(PortableSin(x), CorrectlyRoundedSin(x), "sin", x);
      agreement.Check(PortableCos(-x), CorrectlyRoundedCos(-x), "cos", -x);
    }
  }
  agreement.ExpectAllCorrectlyRounded();
}

TEST(PortableSinCos, AreExactAtMultiplesOfAQuarterPi) {
  for (int k = -16; k <= 16; ++k) {
    const double x = k * (pi / 4.0);
    EXPECT_TRUE(SameResult(PortableSin(x), CorrectlyRoundedSin(x))) << k;
    EXPECT_TRUE(SameResult(PortableCos(x), CorrectlyRoundedCos(x))) << k;
  }
  EXPECT_EQ(PortableCos(pi / 2.0), 0x1.1a62633145c07p-54);  // pi/2 - fl(pi/2)
  EXPECT_EQ(PortableSin(pi), 0x1.1a62633145c07p-53);
  EXPECT_EQ(PortableCos(pi), -1.0);
}

TEST(PortableSinCos, ReduceTheHardestDoubleExactly) {
  // The double closest to a multiple of pi/2 relative to its size; its cosine is
  // -4.6871659242546276111e-19, so a reduction with fewer than about 120 bits of pi fails.
  const double x = 0x1.6ac5b262ca1ffp+849;
  EXPECT_EQ(PortableCos(x), -0x1.14ae72e6ba22fp-61);
  EXPECT_EQ(PortableSin(x), 1.0);
  EXPECT_EQ(CorrectlyRoundedCos(x), -0x1.14ae72e6ba22fp-61);
}

TEST(PortableSinCos, KeepTinyArgumentsAndSignedZeros) {
  for (const double x : {0x1p-27, 1e-100, std::numeric_limits<double>::min(), kTrueMin}) {
    EXPECT_EQ(PortableSin(x), x);
    EXPECT_EQ(PortableSin(-x), -x);
    EXPECT_EQ(PortableCos(x), 1.0);
  }
  EXPECT_TRUE(SameResult(PortableSin(0.0), 0.0));
  EXPECT_TRUE(SameResult(PortableSin(-0.0), -0.0));
  EXPECT_EQ(PortableCos(-0.0), 1.0);
}

TEST(PortableSinCos, AreNaNForInfiniteOrNaNArguments) {
  for (const double x : {kInf, -kInf, kNaN}) {
    EXPECT_TRUE(std::isnan(PortableSin(x))) << x;
    EXPECT_TRUE(std::isnan(PortableCos(x))) << x;
  }
}

TEST(PortableAtan2, IsCorrectlyRoundedInAllQuadrantsAndScales) {
  Agreement agreement;
  constexpr int kSteps = 100000;
  const double scales[] = {1.0, 1e-7, 3e5, 1e-300, 1e300};
  const double squashes[] = {1.0, 1e-9, 1e-20};
  for (int i = 0; i < kSteps; ++i) {
    const double t = 2.0 * pi * (i + 0.5 * std::sqrt(0.5)) / kSteps;
    // Both components from one scale, often with one of them much shorter: a ratio below
    // 2^-61 takes a path of its own.
    const double scale = scales[i % 5];
    const double squash = squashes[i % 3];
    const double x = scale * std::cos(t) * (i % 2 == 0 ? squash : 1.0);
    const double y = scale * std::sin(t) * (i % 2 == 1 ? squash : 1.0);
    agreement.Check(PortableAtan2(y, x), CorrectlyRoundedAtan2(y, x), "atan2", y, x);
  }
  agreement.ExpectAllCorrectlyRounded();
}

TEST(PortableAtan2, FollowsCOnZerosInfinitiesAndNaN) {
  // MPFR gives these special values as C does.
  const double values[] = {0.0,  -0.0,  1.0,      -1.0,      kMax, -kMax,
                           kInf, -kInf, kTrueMin, -kTrueMin, kNaN};
  for (const double y : values) {
    for (const double x : values) {
      EXPECT_TRUE(SameResult(PortableAtan2(y, x), CorrectlyRoundedAtan2(y, x)))
          << "atan2(" << y << ", " << x << ") = " << PortableAtan2(y, x) << ", rounded "
          << CorrectlyRoundedAtan2(y, x);
    }
  }
}

TEST(PortableAtan2, GivesTheRoundedAnglesOfCompassDirections) {
  for (const double x : {-1.0, 0.0, 1.0}) {
    for (const double y : {-1.0, 0.0, 1.0}) {
      EXPECT_TRUE(SameResult(PortableAtan2(y, x), CorrectlyRoundedAtan2(y, x))) << y << ", " << x;
    }
  }
  EXPECT_EQ(PortableAtan2(0.0, -1.0), pi);
  EXPECT_EQ(PortableAtan2(1.0, 0.0), pi / 2.0);
}

TEST(PortableAtan2, MakesWholeDegreesOfEveryMultipleOfFifteenDegrees) {
  // What the drawing writes as arc angles: the directions of multiples of 15 degrees come
  // out as whole degrees after the fine rounding.
  for (int degrees = 0; degrees < 360; degrees += 15) {
    const double t = degrees * pi / 180.0;
    for (const double length : {1.0, 7.3, 1e-6, 4e6}) {
      EXPECT_EQ(tq58::geometry::DirectionAngleDeg(length * std::cos(t), length * std::sin(t)),
                degrees)
          << length;
    }
  }
}

// --- The fast path against the exact path ---

namespace internal = tq58::util::portable_math_internal;

using tq58_test::Sequence;

// A double with a random sign and mantissa and an exponent from lowest to highest.
double WithExponent(Sequence& sequence, int lowest, int highest) {
  const int exponent = lowest + static_cast<int>(sequence.Below(highest - lowest + 1));
  const double magnitude = std::ldexp(1.0 + sequence.Unit(), exponent);
  return sequence.Next() % 2 == 0 ? magnitude : -magnitude;
}

// Counts the fast path's answers and fallbacks; fails on any answer that differs from the
// exact path's in any bit.
class FastPathAudit {
 public:
  void Check(std::optional<double> fast, double exact, const char* what, double x, double y = 0.0) {
    ++count_;
    if (!fast) {
      ++fallbacks_;
      return;
    }
    EXPECT_EQ(std::bit_cast<uint64_t>(*fast), std::bit_cast<uint64_t>(exact))
        << what << " at " << std::hexfloat << x << ", " << y << ": fast " << *fast << ", exact "
        << exact;
  }

  void CheckSinCos(double x) {
    Check(internal::FastSin(x), internal::ExactSin(x), "sin", x);
    Check(internal::FastCos(x), internal::ExactCos(x), "cos", x);
  }

  void CheckAtan2(double y, double x) {
    Check(internal::FastAtan2(y, x), internal::ExactAtan2(y, x), "atan2", y, x);
  }

  // A fast path that gave up everywhere would agree trivially: it must answer nearly always.
  void ExpectRareFallbacks(double share) const {
    EXPECT_LT(static_cast<double>(fallbacks_), share * static_cast<double>(count_))
        << fallbacks_ << " fallbacks in " << count_;
  }

 private:
  int64_t count_ = 0;
  int64_t fallbacks_ = 0;
};

TEST(PortableMathFastPath, SinCosAgreeWithTheExactPathOverEightTurns) {
  FastPathAudit audit;
  constexpr int kSteps = 1000000;
  for (int i = 0; i <= kSteps; ++i) {
    audit.CheckSinCos(-8.0 * pi + 16.0 * pi * (i + 0.5 * std::sqrt(0.5)) / kSteps);
  }
  audit.ExpectRareFallbacks(0.002);
}

TEST(PortableMathFastPath, SinCosAgreeWithTheExactPathOnRandomDoubles) {
  // Every exponent of the fast range, 2^-27 to 2^20, then the limits around it.
  FastPathAudit audit;
  Sequence sequence(1);
  for (int i = 0; i < 1000000; ++i) audit.CheckSinCos(WithExponent(sequence, -27, 19));
  audit.ExpectRareFallbacks(0.002);
  FastPathAudit limits;
  for (int i = 0; i < 100000; ++i) {
    limits.CheckSinCos(WithExponent(sequence, -30, -26));
    limits.CheckSinCos(WithExponent(sequence, 19, 21));
  }
}

TEST(PortableMathFastPath, SinCosAgreeWithTheExactPathNearMultiplesOfTheTableStep) {
  // Around k pi/256 the reduced argument nearly vanishes, around (k + 1/2) pi/256 the count
  // may round either way, and around multiples of pi/2 the results come near 0 and 1. The
  // arguments are the products' neighbours, all below 2^20.
  FastPathAudit audit;
  Sequence sequence(2);
  constexpr double kStep = pi / 256.0;
  for (int i = 0; i < 40000; ++i) {
    const double k = i < 20000 ? i : std::floor(sequence.Unit() * 0x1p20 / kStep);
    const double quarterTurns = std::fmod(k, 0x1p19);
    for (const double center : {k * kStep, (k + 0.5) * kStep, quarterTurns * (pi / 2.0)}) {
      double x = center;
      for (int ulps = 0; ulps < 3; ++ulps) x = std::nextafter(x, 0.0);
      for (int ulps = -3; ulps <= 3; ++ulps, x = std::nextafter(x, kInf)) audit.CheckSinCos(x);
    }
  }
  audit.ExpectRareFallbacks(0.01);
}

TEST(PortableMathFastPath, Atan2AgreesWithTheExactPathInAllDirections) {
  FastPathAudit audit;
  FastPathAudit extremes;  // beyond the fast path's scales of 2^-500 to 2^500
  constexpr int kSteps = 1000000;
  const double lengths[] = {1.0, 7.3, 1e-6, 4e6, 1e-140, 1e140};
  for (int i = 0; i < kSteps; ++i) {
    const double t = 2.0 * pi * (i + 0.5 * std::sqrt(0.5)) / kSteps;
    const double length = lengths[i % 6];
    audit.CheckAtan2(length * std::sin(t), length * std::cos(t));
    if (i % 10 == 0) extremes.CheckAtan2(1e-160 * std::sin(t), 1e-160 * std::cos(t));
    if (i % 10 == 5) extremes.CheckAtan2(1e160 * std::sin(t), 1e160 * std::cos(t));
  }
  audit.ExpectRareFallbacks(0.002);
}

TEST(PortableMathFastPath, Atan2AgreesWithTheExactPathOnRandomDoubles) {
  // Components of unrelated sizes, their ratios within the fast path's 2^-60, then beyond.
  FastPathAudit audit;
  FastPathAudit beyond;
  Sequence sequence(3);
  for (int i = 0; i < 1000000; ++i) {
    const double x = WithExponent(sequence, -30, 30);
    const double y = WithExponent(sequence, -30, 30);
    audit.CheckAtan2(y, x);
    if (i % 10 == 0) beyond.CheckAtan2(WithExponent(sequence, -70, -60) * x, x);
  }
  audit.ExpectRareFallbacks(0.002);
}

TEST(PortableMathFastPath, Atan2AgreesWithTheExactPathNearTableRatios) {
  // Ratios within a few ulps of k/128, where the breakpoint is chosen and the reduced argument
  // nearly vanishes, and of (k + 1/2)/128, where the breakpoint may round either way.
  FastPathAudit audit;
  Sequence sequence(4);
  for (int i = 0; i < 50000; ++i) {
    const double x = 1.0 + sequence.Unit();
    const double k = std::floor(sequence.Unit() * 129.0);
    for (const double ratio : {k / 128.0, (k + 0.5) / 128.0}) {
      double y = x * ratio;
      for (int ulps = 0; ulps < 2; ++ulps) y = std::nextafter(y, 0.0);
      for (int ulps = -2; ulps <= 2; ++ulps, y = std::nextafter(y, kInf)) {
        audit.CheckAtan2(y, x);
        audit.CheckAtan2(-x, y);
      }
    }
  }
  audit.ExpectRareFallbacks(0.01);
}

// Arguments whose true results lie within 2^-24 ulp of the midpoint between two doubles,
// with the correctly rounded results (found with 113-bit arithmetic, confirmed by MPFR below).
// No estimate within its bound can settle these: the fast path must leave them to the exact
// path, so a bound too small for the estimate's real error shows here.
struct NearTie {
  double y;  // the argument of sin and cos; y of atan2
  double x;  // x of atan2
  double rounded;
};

constexpr NearTie kSinNearTies[] = {
    {-0x1.6f20cfbe1e42fp+2, 0.0, 0x1.0a3897a6872ddp-1},
    {0x1.2a0ec5647ffe5p+4, 0.0, -0x1.c0d509de37105p-3},
    {-0x1.88064f12086acp+3, 0.0, 0x1.3dd62efca3e0cp-2},
    {-0x1.ad9d1126d9997p+3, 0.0, -0x1.83b2e0c41e298p-1},
    {0x1.6b8f85518cea3p+4, 0.0, -0x1.55f7ae84cde52p-1},
    {0x1.8ef7889c2a484p+0, 0.0, 0x1.fff608ae5a099p-1},
};

constexpr NearTie kCosNearTies[] = {
    {0x1.325f19570a63bp+4, 0.0, 0x1.e955981955064p-1},
    {-0x1.efdfdd1c8360dp+2, 0.0, 0x1.b121acb1c754ap-4},
    {-0x1.2b609f4077954p+4, 0.0, 0x1.fb197c501efadp-1},
    {0x1.54ca10adc97bdp+3, 0.0, -0x1.5b303a0978a76p-2},
    {-0x1.2751f627c39d3p+4, 0.0, 0x1.d9277b3727b53p-1},
    {0x1.5c6f11cef44a6p+3, 0.0, -0x1.b58055b42d5d2p-4},
};

constexpr NearTie kAtan2NearTies[] = {
    {-0x1.5436d9cd3794bp+5, -0x1.65570fd8c022fp+9, -0x1.8a84281b0fdecp+1},
    {-0x1.c5ac4b50c5d0ep+9, -0x1.b73f7f3b64dc8p+9, -0x1.2b867730ac96p+1},
    {-0x1.50d98d7c95bf2p+9, 0x1.ea86c8f8f0d88p+7, -0x1.38be769f13177p+0},
    {0x1.b95b44e6c5a62p+9, -0x1.0661d99cf52b2p+9, 0x1.0db73fcdb644bp+1},
    {0x1.c4c2f3f3a2c43p+9, 0x1.940ba0985d5c2p+8, 0x1.26aee27ca628ap+0},
    {0x1.250b4295db5e6p+5, -0x1.2a12ec6e5bf54p+8, 0x1.8278eabe102bep+1},
};

TEST(PortableMathFastPath, LeavesNearTiesToTheExactPath) {
  for (const NearTie& c : kSinNearTies) {
    EXPECT_EQ(CorrectlyRoundedSin(c.y), c.rounded) << std::hexfloat << c.y;
    EXPECT_FALSE(internal::FastSin(c.y).has_value()) << std::hexfloat << c.y;
    EXPECT_EQ(PortableSin(c.y), c.rounded) << std::hexfloat << c.y;
  }
  for (const NearTie& c : kCosNearTies) {
    EXPECT_EQ(CorrectlyRoundedCos(c.y), c.rounded) << std::hexfloat << c.y;
    EXPECT_FALSE(internal::FastCos(c.y).has_value()) << std::hexfloat << c.y;
    EXPECT_EQ(PortableCos(c.y), c.rounded) << std::hexfloat << c.y;
  }
  for (const NearTie& c : kAtan2NearTies) {
    EXPECT_EQ(CorrectlyRoundedAtan2(c.y, c.x), c.rounded) << std::hexfloat << c.y << ", " << c.x;
    EXPECT_FALSE(internal::FastAtan2(c.y, c.x).has_value()) << std::hexfloat << c.y << ", " << c.x;
    EXPECT_EQ(PortableAtan2(c.y, c.x), c.rounded) << std::hexfloat << c.y << ", " << c.x;
  }
}

TEST(PortableMathFastPath, LeavesSpecialArgumentsToTheExactPath) {
  for (const double x : {0.0, -0.0, 0x1p-28, kTrueMin, 0x1p20, kMax, kInf, -kInf, kNaN}) {
    EXPECT_FALSE(internal::FastSin(x).has_value()) << x;
    EXPECT_FALSE(internal::FastCos(x).has_value()) << x;
  }
  const double values[] = {0.0, -0.0, 1.0, kInf, -kInf, kNaN, 0x1p-70, kMax};
  for (const double y : values) {
    for (const double x : values) {
      // Of these, only equal finite, nonzero magnitudes below 2^500 are within the fast
      // path's scales and ratios.
      const bool fast = std::isfinite(x) && std::isfinite(y) && x != 0.0 && y != 0.0 &&
                        std::fabs(x) == std::fabs(y) && std::fabs(x) < 1e150;
      EXPECT_EQ(internal::FastAtan2(y, x).has_value(), fast) << y << ", " << x;
    }
  }
}

}  // namespace
