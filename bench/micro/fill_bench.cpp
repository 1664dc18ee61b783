// One long chain zigzagging along x, every corner rounded, drawn without and with its band
// filled: the cost of the fill over the length of a band whose every leg spans its height.
#include <benchmark/benchmark.h>

#include "chain_runs.h"
#include "exchange/model.h"
#include "presets/presets.h"

namespace {

using namespace tq58::exchange;

void BM_FillZigzag(benchmark::State& state) {
  ExchangeModel model;
  for (int64_t i = 0; i < state.range(0); ++i) {
    TJwwEntLine line;
    line.X1 = 20.0 * static_cast<double>(i);
    line.Y1 = 15.0 * static_cast<double>(i % 2);
    line.X2 = line.X1 + 20.0;
    line.Y2 = 15.0 - line.Y1;
    AddEntityOrder(model, KindLine, static_cast<int32_t>(model.LineList.size()));
    model.LineList.push_back(line);
  }
  tq58::PresetStore store;
  tq58::TLineTable& table = store.Preset(1);
  table.Lines[0] = {true, 4.0, 3.0, false, 1, 0, -1};
  table.Lines[1] = {true, -4.0, 3.0, false, 1, 0, -1};
  table.Options.Fill = state.range(1) != 0;
  state.counters["lines"] = static_cast<double>(tq58_bench::TimeChainMode(state, store, model));
}
BENCHMARK(BM_FillZigzag)
    ->ArgsProduct({{1000, 4000, 16000}, {0, 1}})
    ->ArgNames({"legs", "fill"})
    ->Unit(benchmark::kMillisecond);

}  // namespace
