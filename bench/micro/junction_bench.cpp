// Junctions cleaned over a street grid: 100 whole streets crossing in a 50 x 50 grid (2,500 X
// junctions), and the same grid split at every crossing (5,100 chains meeting four at a time),
// 4 rows each; the smaller grids show how the time grows with the number of junctions.
#include <benchmark/benchmark.h>

#include <vector>

#include "multiline/junction_network.h"
#include "multiline/presets.h"

namespace {

using tq58::BasePath;

BasePath Street(double x1, double y1, double x2, double y2) {
  BasePath path;
  path.points = {{x1, y1}, {x2, y2}};
  return path;
}

// n streets each way 100 apart, running 100 past the outermost crossings; with `split`, each
// street cut at every crossing.
std::vector<BasePath> Grid(int n, bool split) {
  std::vector<BasePath> streets;
  const double last = 100.0 * (n - 1);
  for (int i = 0; i < n; ++i) {
    const double at = 100.0 * i;
    if (!split) {
      streets.push_back(Street(-100.0, at, last + 100.0, at));
      streets.push_back(Street(at, -100.0, at, last + 100.0));
      continue;
    }
    for (int k = -1; k < n; ++k) {
      const double from = 100.0 * k, to = 100.0 * (k + 1);
      streets.push_back(Street(from, at, to, at));
      streets.push_back(Street(at, from, at, to));
    }
  }
  return streets;
}

tq58::TLineTable FourRows() {
  tq58::TLineTable table;
  const double spacings[] = {-6.0, -2.0, 2.0, 6.0};
  for (int r = 0; r < 4; ++r) {
    tq58::TLineRow& row = table.Lines[static_cast<std::size_t>(r)];
    row.DrawOn = true;
    row.Spacing = spacings[r];
    row.Radius = 3.0;
    row.ColorIndex = 1 + r;
  }
  return table;
}

void BM_JunctionGrid(benchmark::State& state) {
  const std::vector<BasePath> streets =
      Grid(static_cast<int>(state.range(0)), state.range(1) != 0);
  const tq58::TLineTable table = FourRows();
  for (auto _ : state) {
    benchmark::DoNotOptimize(tq58::BuildJunctionNetwork(streets, table, 1.0));
  }
  state.counters["junctions"] = static_cast<double>(state.range(0) * state.range(0));
  state.counters["chains"] = static_cast<double>(streets.size());
}
BENCHMARK(BM_JunctionGrid)
    ->ArgsProduct({{12, 25, 50}, {0, 1}})
    ->ArgNames({"n", "split"})
    ->Unit(benchmark::kMillisecond);

}  // namespace
