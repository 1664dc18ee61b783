// Number conversions of exchange-file fields: the typical shapes of reals and integers.
#include <benchmark/benchmark.h>

#include <string_view>

#include "util/text_convert.h"

namespace {

// A coordinate on the grid, a computed coordinate with full digits, a small exponent, zero.
constexpr std::string_view kReals[] = {"12345.5", "-3415.52631578947", "1.5E-7", "0"};
// Attribute numbers, a negative, a hexadecimal, and a field that is no number.
constexpr std::string_view kInts[] = {"7", "30000", "-1", "$1A", "x"};

void BM_TextToFloat(benchmark::State& state) {
  const std::string_view text = kReals[state.range(0)];
  for (auto _ : state) benchmark::DoNotOptimize(tq58::util::TextToFloat(text));
  state.SetLabel(std::string(text));
}
BENCHMARK(BM_TextToFloat)->DenseRange(0, std::size(kReals) - 1);

void BM_TextToInt(benchmark::State& state) {
  const std::string_view text = kInts[state.range(0)];
  for (auto _ : state) benchmark::DoNotOptimize(tq58::util::TextToInt(text));
  state.SetLabel(std::string(text));
}
BENCHMARK(BM_TextToInt)->DenseRange(0, std::size(kInts) - 1);

}  // namespace
