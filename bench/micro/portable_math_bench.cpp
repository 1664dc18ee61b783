// The portable sine, cosine and arc tangent beside the C library's, on the arguments a drawing
// meets: angles within four turns either way, directions of vectors of every length.
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <numbers>

#include "util/portable_math.h"

namespace {

constexpr std::size_t kArguments = 1024;
using std::numbers::pi;

// Angles spread over [-8 pi, 8 pi] by an irrational step, so no two share a table entry
// by design.
std::array<double, kArguments> Angles() {
  std::array<double, kArguments> angles{};
  for (std::size_t i = 0; i < kArguments; ++i) {
    angles[i] = -8.0 * pi + 16.0 * pi * std::fmod(0.6180339887498949 * (i + 1), 1.0);
  }
  return angles;
}

// Vectors in every direction with lengths from 10^-3 to 10^5.
struct Vector {
  double x;
  double y;
};
std::array<Vector, kArguments> Vectors() {
  std::array<Vector, kArguments> vectors{};
  const std::array<double, kArguments> angles = Angles();
  for (std::size_t i = 0; i < kArguments; ++i) {
    const double length = std::pow(10.0, -3.0 + 8.0 * std::fmod(0.7548776662466927 * i, 1.0));
    vectors[i] = {length * std::cos(angles[i]), length * std::sin(angles[i])};
  }
  return vectors;
}

template <double (*Function)(double)>
void BM_Angle(benchmark::State& state) {
  const std::array<double, kArguments> angles = Angles();
  for (auto _ : state) {
    for (const double angle : angles) benchmark::DoNotOptimize(Function(angle));
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * kArguments));
}

template <double (*Function)(double, double)>
void BM_Direction(benchmark::State& state) {
  const std::array<Vector, kArguments> vectors = Vectors();
  for (auto _ : state) {
    for (const Vector& v : vectors) benchmark::DoNotOptimize(Function(v.y, v.x));
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * kArguments));
}

double StdSin(double x) { return std::sin(x); }
double StdCos(double x) { return std::cos(x); }
double StdAtan2(double y, double x) { return std::atan2(y, x); }

BENCHMARK(BM_Angle<tq58::util::PortableSin>)->Name("BM_PortableSin");
BENCHMARK(BM_Angle<StdSin>)->Name("BM_StdSin");
BENCHMARK(BM_Angle<tq58::util::PortableCos>)->Name("BM_PortableCos");
BENCHMARK(BM_Angle<StdCos>)->Name("BM_StdCos");
BENCHMARK(BM_Direction<tq58::util::PortableAtan2>)->Name("BM_PortableAtan2");
BENCHMARK(BM_Direction<StdAtan2>)->Name("BM_StdAtan2");

}  // namespace
