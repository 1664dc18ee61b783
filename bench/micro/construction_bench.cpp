// The multi-line construction of a full run: 99 indicated points and 10 drawn rows.
#include <benchmark/benchmark.h>

#include "drawing/point_mode.h"
#include "exchange/model.h"
#include "exchange/writer.h"
#include "presets/presets.h"
#include "ten_rows.h"
#include "util/host_limits.h"

namespace {

using namespace tq58::exchange;

// A zigzag of 99 points whose corners are long enough to be rounded.
void IndicateZigzag(ExchangeModel& model) {
  for (int i = 1; i <= 99; ++i) {
    THpPoint& point = model.HpPoints[static_cast<std::size_t>(i)];
    point.Defined = true;
    point.X = 1200.0 * i;
    point.Y = i % 2 == 0 ? 0.0 : 900.0;
  }
}

void BM_DrawMultiLines(benchmark::State& state) {
  const tq58::PresetStore store = tq58_bench::TenRows();
  ExchangeModel model;
  IndicateZigzag(model);
  WriterState writer;
  for (auto _ : state) {
    writer.OutputLines.clear();
    ResetWriterState(writer);
    tq58::DrawMultiLines(store, model, writer, tq58::util::kPolylinePointLimit);
    benchmark::DoNotOptimize(writer.OutputLines.data());
  }
  state.counters["lines"] = static_cast<double>(writer.OutputLines.size());
}
BENCHMARK(BM_DrawMultiLines);

}  // namespace
