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

// Appends the line from (x1, y1) to (x2, y2) to the model, as a selected line.
inline void AddLine(tq58::exchange::ExchangeModel& model, double x1, double y1, double x2,
                    double y2) {
  tq58::exchange::TJwwEntLine line;
  line.X1 = x1;
  line.Y1 = y1;
  line.X2 = x2;
  line.Y2 = y2;
  AddEntityOrder(model, tq58::exchange::KindLine, static_cast<int32_t>(model.LineList.size()));
  model.LineList.push_back(line);
}

// Three rows 600 apart, real size (drawing units at any scale), each rounded with `radius`.
inline tq58::PresetStore ThreeWideRows(double radius, tq58::JunctionMode junctions) {
  tq58::PresetStore store;
  tq58::TLineTable& table = store.Preset(1);
  const double spacings[] = {-600.0, 0.0, 600.0};
  for (std::size_t r = 0; r < 3; ++r) {
    table.Lines[r].DrawOn = true;
    table.Lines[r].Spacing = spacings[r];
    table.Lines[r].Radius = radius;
    table.Lines[r].ColorIndex = 1 + static_cast<int32_t>(r);
  }
  table.Options.Junctions = junctions;
  return store;
}

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
