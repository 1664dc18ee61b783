// Chain mode on a whole-drawing selection: N segments in N / 10 open chains of 10 (zigzags
// side by side), in shuffled order and half of them written backwards, chained and drawn with
// 10 rows, also where every other piece is a half circle instead; and the chaining alone. Growth
// from 2,000 to 20,000 to 200,000 pieces shows whether it stays linear.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "chain_runs.h"
#include "drawing/chain_mode.h"
#include "exchange/model.h"
#include "exchange/writer.h"
#include "path/chaining.h"
#include "path/selected_pieces.h"
#include "presets/presets.h"
#include "ten_rows.h"

namespace {

using namespace tq58::exchange;

// SplitMix64: the same shuffled selection on every run.
uint64_t Next(uint64_t& state) {
  uint64_t z = (state += 0x9E3779B97F4A7C15u);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
  return z ^ (z >> 31);
}

// With `arcs`, every other zigzag step is the half circle from the segment's first point to
// its second, counterclockwise, instead of the segment.
ExchangeModel ShuffledChains(int64_t segments, bool arcs = false) {
  ExchangeModel model;
  std::vector<TJwwEntLine> lines;
  for (int64_t i = 0; i < segments; ++i) {
    const double chain = static_cast<double>(i / 10), k = static_cast<double>(i % 10);
    TJwwEntLine line;
    line.X1 = 1200.0 * k;
    line.Y1 = 5000.0 * chain + (i % 2 == 0 ? 0.0 : 900.0);
    line.X2 = 1200.0 * (k + 1);
    line.Y2 = 5000.0 * chain + (i % 2 == 0 ? 900.0 : 0.0);
    lines.push_back(line);
  }
  uint64_t state = 58;
  for (std::size_t i = lines.size(); i > 1; --i) {
    std::swap(lines[i - 1], lines[Next(state) % i]);
    if (Next(state) % 2 == 0) {
      std::swap(lines[i - 1].X1, lines[i - 1].X2);
      std::swap(lines[i - 1].Y1, lines[i - 1].Y2);
    }
  }
  for (const TJwwEntLine& line : lines) {
    // The odd steps fall from left to right, whichever way they are written.
    if (arcs && (line.Y2 - line.Y1) * (line.X2 - line.X1) < 0.0) {
      TJwwEntArc arc;
      arc.X = (line.X1 + line.X2) / 2.0;
      arc.Y = (line.Y1 + line.Y2) / 2.0;
      arc.Radius = std::hypot(line.X2 - line.X1, line.Y2 - line.Y1) / 2.0;
      arc.StartAngle = std::atan2(line.Y1 - arc.Y, line.X1 - arc.X) * 180.0 / std::numbers::pi;
      arc.EndAngle = arc.StartAngle + 180.0;
      arc.Flatness = 1.0;
      AddEntityOrder(model, KindArc, static_cast<int32_t>(model.ArcList.size()));
      model.ArcList.push_back(arc);
      continue;
    }
    AddEntityOrder(model, KindLine, static_cast<int32_t>(model.LineList.size()));
    model.LineList.push_back(line);
  }
  return model;
}

void BM_ChainMode(benchmark::State& state) {
  const tq58::PresetStore store = tq58_bench::TenRows();
  const ExchangeModel model = ShuffledChains(state.range(0), state.range(1) != 0);
  state.counters["lines"] = static_cast<double>(tq58_bench::TimeChainMode(state, store, model));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ChainMode)
    ->ArgsProduct({{2000, 20000, 200000}, {0, 1}})
    ->ArgNames({"pieces", "arcs"})
    ->Unit(benchmark::kMillisecond);

// The chaining alone: the selection taken, the ends joined, the chains followed and turned;
// segments only, or half of them half circles.
void BM_ChainPieces(benchmark::State& state) {
  const ExchangeModel model = ShuffledChains(state.range(0), state.range(1) != 0);
  std::size_t chains = 0;
  for (auto _ : state) {
    const tq58::Chaining chaining =
        tq58::ChainPieces(tq58::TakeSelectedPieces(model), tq58::ChainDirection{});
    benchmark::DoNotOptimize(chaining.chains.data());
    chains = chaining.chains.size();
  }
  state.counters["chains"] = static_cast<double>(chains);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ChainPieces)
    ->ArgsProduct({{2000, 20000, 200000}, {0, 1}})
    ->ArgNames({"pieces", "arcs"})
    ->Unit(benchmark::kMillisecond);

// A fan: N segments from one point, each end at the centre the same place, the others on a
// circle; the N ends at one place are joined in a row, not compared pair by pair.
void BM_ChainFan(benchmark::State& state) {
  ExchangeModel model;
  const int64_t count = state.range(0);
  for (int64_t i = 0; i < count; ++i) {
    const double angle =
        2.0 * std::numbers::pi * static_cast<double>(i) / static_cast<double>(count);
    TJwwEntLine line;
    line.X2 = 1000.0 * std::cos(angle);
    line.Y2 = 1000.0 * std::sin(angle);
    AddEntityOrder(model, KindLine, static_cast<int32_t>(model.LineList.size()));
    model.LineList.push_back(line);
  }
  for (auto _ : state) {
    const tq58::Chaining chaining =
        tq58::ChainPieces(tq58::TakeSelectedPieces(model), tq58::ChainDirection{});
    benchmark::DoNotOptimize(chaining.chains.data());
  }
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_ChainFan)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace
