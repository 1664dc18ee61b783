// Chain mode with junctions cleaned over a street grid, selection to written lines: 100 whole
// streets crossing in a 50 x 50 grid (2,500 X junctions), and the same grid split at every
// crossing (5,100 chains meeting four at a time), 4 rows each; smaller grids show how the time
// grows with the number of junctions, filled what the fill costs, and a 63 x 63 grid split at
// every crossing (8,064 pieces) beside its twin with the bands overlapping what cleaning costs.
// Wide bands of three rows over a star of long streets and over short pieces scattered at random
// show the cost where many bands overlap.
#include <benchmark/benchmark.h>

#include <cmath>

#include "../../tests/support/sequence.h"
#include "chain_runs.h"
#include "exchange/model.h"
#include "presets/presets.h"

namespace {

using namespace tq58::exchange;

// n streets each way 100 apart, running 100 past the outermost crossings; with `split`, each
// street a separate segment between crossings.
ExchangeModel Grid(int n, bool split) {
  ExchangeModel model;
  const double last = 100.0 * (n - 1);
  for (int i = 0; i < n; ++i) {
    const double at = 100.0 * i;
    if (!split) {
      tq58_bench::AddLine(model, -100.0, at, last + 100.0, at);
      tq58_bench::AddLine(model, at, -100.0, at, last + 100.0);
      continue;
    }
    for (int k = -1; k < n; ++k) {
      tq58_bench::AddLine(model, 100.0 * k, at, 100.0 * (k + 1), at);
      tq58_bench::AddLine(model, at, 100.0 * k, at, 100.0 * (k + 1));
    }
  }
  return model;
}

// Four rows, the curbs at +-6 rounded with 3, the lanes at +-2, junctions cleaned.
tq58::PresetStore FourRows() {
  tq58::PresetStore store;
  tq58::TLineTable& table = store.Preset(1);
  const double spacings[] = {-6.0, -2.0, 2.0, 6.0};
  for (std::size_t r = 0; r < 4; ++r) {
    table.Lines[r].DrawOn = true;
    table.Lines[r].Spacing = spacings[r];
    table.Lines[r].Radius = 3.0;
    table.Lines[r].ColorIndex = 1 + static_cast<int32_t>(r);
  }
  table.Options.Junctions = tq58::JunctionMode::Clean;
  return store;
}

void BM_JunctionGrid(benchmark::State& state) {
  const tq58::PresetStore store = FourRows();
  const ExchangeModel model = Grid(static_cast<int>(state.range(0)), state.range(1) != 0);
  const std::size_t lines = tq58_bench::TimeChainMode(state, store, model);
  state.counters["junctions"] = static_cast<double>(state.range(0) * state.range(0));
  state.counters["pieces"] = static_cast<double>(model.LineList.size());
  state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_JunctionGrid)
    ->ArgsProduct({{12, 25, 50}, {0, 1}})
    ->Args({63, 1})
    ->ArgNames({"n", "split"})
    ->Unit(benchmark::kMillisecond);

// The grid drawn with its bands simply overlapping: what cleaning the junctions adds to it.
void BM_JunctionGridOverlapping(benchmark::State& state) {
  tq58::PresetStore store = FourRows();
  store.Preset(1).Options.Junctions = tq58::JunctionMode::None;
  tq58_bench::TimeChainMode(state, store,
                            Grid(static_cast<int>(state.range(0)), state.range(1) != 0));
}
BENCHMARK(BM_JunctionGridOverlapping)
    ->Args({63, 1})
    ->ArgNames({"n", "split"})
    ->Unit(benchmark::kMillisecond);

// The grid with its bands filled: the solids of every band and corner before the rows.
void BM_JunctionGridFilled(benchmark::State& state) {
  tq58::PresetStore store = FourRows();
  store.Preset(1).Options.Fill = true;
  const ExchangeModel model = Grid(static_cast<int>(state.range(0)), state.range(1) != 0);
  state.counters["lines"] = static_cast<double>(tq58_bench::TimeChainMode(state, store, model));
}
BENCHMARK(BM_JunctionGridFilled)
    ->ArgsProduct({{25, 50}, {0, 1}})
    ->ArgNames({"n", "split"})
    ->Unit(benchmark::kMillisecond);

// n streets of `length` from the origin, evenly spread in angle.
ExchangeModel StreetsFromOnePoint(int64_t count, double length) {
  ExchangeModel model;
  for (int64_t i = 0; i < count; ++i) {
    const double angle = 6.283185307179586 * static_cast<double>(i) / static_cast<double>(count);
    tq58_bench::AddLine(model, 0.0, 0.0, length * std::cos(angle), length * std::sin(angle));
  }
  return model;
}

// A fan: n streets from one point, every end at the hub a junction of all of them.
void BM_JunctionFan(benchmark::State& state) {
  tq58_bench::TimeChainMode(state, FourRows(), StreetsFromOnePoint(state.range(0), 1000.0));
}
BENCHMARK(BM_JunctionFan)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

// A star: n streets 10,000 long from one point, evenly spread, 1,200 wide bands.
void BM_JunctionStar(benchmark::State& state) {
  state.counters["lines"] = static_cast<double>(
      tq58_bench::TimeChainMode(state, tq58_bench::ThreeWideRows(0.0, tq58::JunctionMode::Clean),
                                StreetsFromOnePoint(state.range(0), 10000.0)));
}
BENCHMARK(BM_JunctionStar)->Arg(300)->Arg(3000)->Unit(benchmark::kMillisecond);

// n pieces 800 long, centred at random over a square `side` wide, in random directions (the
// same pieces on every run), 1,200 wide bands.
void BM_JunctionScatter(benchmark::State& state) {
  const tq58::PresetStore store = tq58_bench::ThreeWideRows(0.0, tq58::JunctionMode::Clean);
  ExchangeModel model;
  const double side = static_cast<double>(state.range(1));
  tq58_test::Sequence random(58);
  for (int64_t i = 0; i < state.range(0); ++i) {
    const double x = side * random.Unit();
    const double y = side * random.Unit();
    const double angle = 3.141592653589793 * random.Signed();
    const double dx = 400.0 * std::cos(angle);
    const double dy = 400.0 * std::sin(angle);
    tq58_bench::AddLine(model, x - dx, y - dy, x + dx, y + dy);
  }
  state.counters["lines"] = static_cast<double>(tq58_bench::TimeChainMode(state, store, model));
}
// 16,000 pieces over 20,000 x 20,000, then the same density (side growing with the square root
// of n) with twice and four times the pieces.
BENCHMARK(BM_JunctionScatter)
    ->Args({16000, 20000})
    ->Args({32000, 28284})
    ->Args({64000, 40000})
    ->ArgNames({"n", "side"})
    ->Unit(benchmark::kMillisecond);

}  // namespace
