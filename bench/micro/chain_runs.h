// Chain mode timed as the host runs it: the whole selection chained, drawn and written, into a
// fresh writer each time.
#pragma once

#include <benchmark/benchmark.h>

#include <cstddef>

#include "drawing/chain_mode.h"
#include "exchange/model.h"
#include "exchange/writer.h"
#include "presets/presets.h"

namespace tq58_bench {

// Runs chain mode on `model` with `store` for every iteration of `state`; returns how many
// lines the last run wrote.
inline std::size_t TimeChainMode(benchmark::State& state, const tq58::PresetStore& store,
                                 const tq58::exchange::ExchangeModel& model) {
  tq58::exchange::WriterState writer;
  for (auto _ : state) {
    writer.OutputLines.clear();
    tq58::exchange::ResetWriterState(writer);
    tq58::DrawChainMultiLines(store, model, writer, false);
    benchmark::DoNotOptimize(writer.OutputLines.data());
  }
  return writer.OutputLines.size();
}

}  // namespace tq58_bench
