// A fixed sequence of pseudo-random numbers (SplitMix64), the same on every platform, for
// generated test inputs.
#pragma once

#include <cstdint>

namespace tq58_test {

class Sequence {
 public:
  explicit Sequence(uint64_t seed) : state_(seed) {}

  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15u);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
  }

  // A uniform real in [0, 1) with all 53 bits of the mantissa used.
  double Unit() { return static_cast<double>(Next() >> 11) * 0x1p-53; }

  // A uniform real in [-1, 1) with all 53 bits of the mantissa used.
  double Signed() { return static_cast<double>(Next() >> 11) * 0x1p-52 - 1.0; }

  // A whole number in [0, bound), bound > 0.
  uint64_t Below(uint64_t bound) { return Next() % bound; }

 private:
  uint64_t state_;
};

}  // namespace tq58_test
