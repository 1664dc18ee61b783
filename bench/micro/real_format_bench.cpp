// The general real format that every written number goes through.
#include <benchmark/benchmark.h>

#include <string>

#include "util/real_format.h"

namespace {

// Round, computed, tiny and huge values, and the exact tie that takes the slow path.
constexpr double kValues[] = {100.0, -3415.526315789473, 1.5e-7, 2.5e20, 0.5000000000000005};

void BM_AppendReal(benchmark::State& state) {
  const double value = kValues[state.range(0)];
  std::string out;
  for (auto _ : state) {
    out.clear();
    tq58::util::AppendReal(out, value);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetLabel(tq58::util::FormatReal(value));
}
BENCHMARK(BM_AppendReal)->DenseRange(0, std::size(kValues) - 1);

}  // namespace
