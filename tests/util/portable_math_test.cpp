// The portable sine, cosine and arc tangent against the C library's (glibc's are correctly
// rounded in all but about 0.1% of cases, ours in all that were checked), on dense sweeps,
// special points and the directions whose exact results the drawing relies on.
#include "util/portable_math.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "util/geometry.h"
#include "util/tolerances.h"

namespace {

using MyFunc::kPi;
using MyFunc::PortableAtan2;
using MyFunc::PortableCos;
using MyFunc::PortableSin;

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

// Counts the arguments where ours and the library's differ; fails on any farther than 1 ulp.
class Agreement {
 public:
  void Check(double ours, double library, const char* what, double x, double y = 0.0) {
    ++count_;
    const uint64_t distance = UlpDistance(ours, library);
    if (distance > 0) ++differing_;
    EXPECT_LE(distance, 1u) << what << " at " << std::hexfloat << x << ", " << y << ": " << ours
                            << " against " << library;
  }
  // A bug in the extra precision shows as a few percent of last-bit differences; rounding
  // differences of the library alone stay near 0.1%.
  void ExpectMostlyIdentical() const {
    EXPECT_LT(differing_ * 200, count_) << differing_ << " of " << count_ << " differ";
  }

 private:
  int64_t count_ = 0;
  int64_t differing_ = 0;
};

TEST(PortableSinCos, AgreeWithTheLibraryOverFourTurns) {
  Agreement sin;
  Agreement cos;
  constexpr int kSteps = 100000;
  for (int i = 0; i <= kSteps; ++i) {
    // An irrational step keeps the arguments away from a regular grid.
    const double x = -4.0 * kPi + 8.0 * kPi * (i + 0.5 * std::sqrt(0.5)) / kSteps;
    sin.Check(PortableSin(x), std::sin(x), "sin", x);
    cos.Check(PortableCos(x), std::cos(x), "cos", x);
  }
  sin.ExpectMostlyIdentical();
  cos.ExpectMostlyIdentical();
}

TEST(PortableSinCos, AgreeWithTheLibraryOnHugeArguments) {
  Agreement agreement;
  for (int exponent = 0; exponent <= 1023; ++exponent) {
    for (const double mantissa : {1.0, 1.2345678901234567, 1.9999999999999998}) {
      const double x = std::ldexp(mantissa, exponent);
      agreement.Check(PortableSin(x), std::sin(x), "sin", x);
      agreement.Check(PortableCos(-x), std::cos(-x), "cos", -x);
    }
  }
  agreement.ExpectMostlyIdentical();
}

TEST(PortableSinCos, AreExactAtMultiplesOfAQuarterPi) {
  // glibc rounds all of these correctly (checked against a 600-bit reference).
  for (int k = -16; k <= 16; ++k) {
    const double x = k * (kPi / 4.0);
    EXPECT_TRUE(SameResult(PortableSin(x), std::sin(x))) << k;
    EXPECT_TRUE(SameResult(PortableCos(x), std::cos(x))) << k;
  }
  EXPECT_EQ(PortableCos(kPi / 2.0), 0x1.1a62633145c07p-54);  // pi/2 - fl(pi/2)
  EXPECT_EQ(PortableSin(kPi), 0x1.1a62633145c07p-53);
  EXPECT_EQ(PortableCos(kPi), -1.0);
}

TEST(PortableSinCos, ReduceTheHardestDoubleExactly) {
  // The double closest to a multiple of pi/2 relative to its size; its cosine is
  // -4.6871659242546276111e-19, so a reduction with fewer than about 120 bits of pi fails.
  const double x = 0x1.6ac5b262ca1ffp+849;
  EXPECT_EQ(PortableCos(x), -0x1.14ae72e6ba22fp-61);
  EXPECT_EQ(PortableSin(x), 1.0);
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

TEST(PortableAtan2, AgreesWithTheLibraryInAllQuadrantsAndScales) {
  Agreement agreement;
  constexpr int kSteps = 100000;
  const double scales[] = {1.0, 1e-7, 3e5, 1e-300, 1e300};
  const double squashes[] = {1.0, 1e-9, 1e-20};
  for (int i = 0; i < kSteps; ++i) {
    const double t = 2.0 * kPi * (i + 0.5 * std::sqrt(0.5)) / kSteps;
    // Both components from one scale, often with one of them much shorter: a ratio below
    // 2^-61 takes a path of its own.
    const double scale = scales[i % 5];
    const double squash = squashes[i % 3];
    const double x = scale * std::cos(t) * (i % 2 == 0 ? squash : 1.0);
    const double y = scale * std::sin(t) * (i % 2 == 1 ? squash : 1.0);
    agreement.Check(PortableAtan2(y, x), std::atan2(y, x), "atan2", y, x);
  }
  agreement.ExpectMostlyIdentical();
}

TEST(PortableAtan2, FollowsCOnZerosInfinitiesAndNaN) {
  const double values[] = {0.0,  -0.0,  1.0,      -1.0,      kMax, -kMax,
                           kInf, -kInf, kTrueMin, -kTrueMin, kNaN};
  for (const double y : values) {
    for (const double x : values) {
      EXPECT_TRUE(SameResult(PortableAtan2(y, x), std::atan2(y, x)))
          << "atan2(" << y << ", " << x << ") = " << PortableAtan2(y, x) << ", C gives "
          << std::atan2(y, x);
    }
  }
}

TEST(PortableAtan2, GivesTheLibrarysAnglesOfCompassDirections) {
  for (const double x : {-1.0, 0.0, 1.0}) {
    for (const double y : {-1.0, 0.0, 1.0}) {
      EXPECT_TRUE(SameResult(PortableAtan2(y, x), std::atan2(y, x))) << y << ", " << x;
    }
  }
  EXPECT_EQ(PortableAtan2(0.0, -1.0), kPi);
  EXPECT_EQ(PortableAtan2(1.0, 0.0), kPi / 2.0);
}

TEST(PortableAtan2, MakesWholeDegreesOfEveryMultipleOfFifteenDegrees) {
  // What the drawing writes as arc angles: the directions of multiples of 15 degrees come
  // out as whole degrees after the fine rounding.
  for (int degrees = 0; degrees < 360; degrees += 15) {
    const double t = degrees * kPi / 180.0;
    for (const double length : {1.0, 7.3, 1e-6, 4e6}) {
      EXPECT_EQ(MyFunc::DirectionAngleDeg(length * std::cos(t), length * std::sin(t)), degrees)
          << length;
    }
  }
}

}  // namespace
