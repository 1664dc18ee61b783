// Chain mode timed as the host runs it: the whole selection chained, drawn and written, into a
// fresh writer each time.
#pragma once

#include <benchmark/benchmark.h>

#include <cstddef>

#include "exchange/model.h"
#include "exchange/writer.h"
#include "multiline/chain_mode.h"
#include "multiline/presets.h"

namespace tq58_bench {

// Runs chain mode on `model` with `store` for every iteration of `state`; returns how many
// lines the last run wrote.
inline std::size_t TimeChainMode(benchmark::State& state, const tq58::PresetStore& store,
                                 const JwwGaibu::ExchangeModel& model) {
  JwwGaibu::WriterState writer;
  for (auto _ : state) {
    writer.OutputLines.clear();
    JwwGaibu::ResetWriterState(writer);
    tq58::DrawChainMultiLines(store, model, writer, false);
    benchmark::DoNotOptimize(writer.OutputLines.data());
  }
  return writer.OutputLines.size();
}

}  // namespace tq58_bench
