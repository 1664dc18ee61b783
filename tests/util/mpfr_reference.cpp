// MPFR with the double's precision and exponent range: its correctly rounded results are then
// exactly the doubles nearest the true values.
#include "mpfr_reference.h"

#include <mpfr.h>

namespace tq58_test {
namespace {

constexpr mpfr_prec_t kDoublePrecision = 53;
// The exponents of MPFR's [0.5, 1) mantissas that the doubles span, subnormals included.
constexpr mpfr_exp_t kDoubleMinExponent = -1073;
constexpr mpfr_exp_t kDoubleMaxExponent = 1024;

// An MPFR number of 53 bits, released with its scope.
class Real {
 public:
  Real() { mpfr_init2(value_, kDoublePrecision); }
  explicit Real(double x) : Real() { mpfr_set_d(value_, x, MPFR_RNDN); }  // exact
  ~Real() { mpfr_clear(value_); }
  Real(const Real&) = delete;
  Real& operator=(const Real&) = delete;

  mpfr_ptr get() { return value_; }

 private:
  mpfr_t value_;
};

// Sets the double's exponent range for its scope, and gives MPFR's back after it.
class DoubleExponentRange {
 public:
  DoubleExponentRange() : emin_(mpfr_get_emin()), emax_(mpfr_get_emax()) {
    mpfr_set_emin(kDoubleMinExponent);
    mpfr_set_emax(kDoubleMaxExponent);
  }
  ~DoubleExponentRange() {
    mpfr_set_emin(emin_);
    mpfr_set_emax(emax_);
  }
  DoubleExponentRange(const DoubleExponentRange&) = delete;
  DoubleExponentRange& operator=(const DoubleExponentRange&) = delete;

 private:
  mpfr_exp_t emin_;
  mpfr_exp_t emax_;
};

// The result of `compute`, which rounds into its first argument and returns MPFR's ternary
// value, rounded once more where it falls among the subnormals.
template <typename Compute>
double RoundedToDouble(Compute compute) {
  const DoubleExponentRange range;
  Real result;
  const int ternary = compute(result.get());
  mpfr_subnormalize(result.get(), ternary, MPFR_RNDN);
  return mpfr_get_d(result.get(), MPFR_RNDN);  // exact: the value is a double already
}

}  // namespace

double CorrectlyRoundedSin(double x) {
  return RoundedToDouble([x](mpfr_ptr result) {
    Real argument(x);
    return mpfr_sin(result, argument.get(), MPFR_RNDN);
  });
}

double CorrectlyRoundedCos(double x) {
  return RoundedToDouble([x](mpfr_ptr result) {
    Real argument(x);
    return mpfr_cos(result, argument.get(), MPFR_RNDN);
  });
}

double CorrectlyRoundedAtan2(double y, double x) {
  return RoundedToDouble([y, x](mpfr_ptr result) {
    Real yArgument(y);
    Real xArgument(x);
    return mpfr_atan2(result, yArgument.get(), xArgument.get(), MPFR_RNDN);
  });
}

}  // namespace tq58_test
