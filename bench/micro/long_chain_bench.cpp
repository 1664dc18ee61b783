// Chain mode with junctions cleaned along one long chain, as centre lines traced from survey or
// GIS data come: a gentle curve of n pieces, the same closed as a ring, a zigzag and a spiral;
// each beside its twin with the bands simply overlapping, which draws the same rows uncut.
// Three rows at -600, 0 and 600 rounded with 300.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "chain_runs.h"
#include "exchange/model.h"
#include "presets/presets.h"

namespace {

using namespace tq58::exchange;

constexpr double kPi = 3.141592653589793;

struct Point {
  double x = 0.0, y = 0.0;
};

// The points as one chain of lines, each line from one point to the next.
ExchangeModel ChainThrough(const std::vector<Point>& points) {
  ExchangeModel model;
  for (std::size_t k = 0; k + 1 < points.size(); ++k) {
    tq58_bench::AddLine(model, points[k].x, points[k].y, points[k + 1].x, points[k + 1].y);
  }
  return model;
}

// n pieces 100 long turning by `turn` radians in all; closed: a whole turn back to the start.
std::vector<Point> Curve(int64_t n, double turn, bool closed) {
  const double step = turn / static_cast<double>(n);
  std::vector<Point> points = {{0.0, 0.0}};
  for (int64_t k = 0; k < n; ++k) {
    const double heading = step * (static_cast<double>(k) + 0.5);
    const Point& p = points.back();
    points.push_back({p.x + 100.0 * std::cos(heading), p.y + 100.0 * std::sin(heading)});
  }
  if (closed) points.back() = points.front();
  return points;
}

// n legs 2,000 long along x and 1,500 across, up and down in turn.
std::vector<Point> Zigzag(int64_t n) {
  std::vector<Point> points;
  for (int64_t k = 0; k <= n; ++k) {
    points.push_back({2000.0 * static_cast<double>(k), k % 2 == 0 ? 0.0 : 1500.0});
  }
  return points;
}

// n pieces about 200 long along a spiral whose turns lie 3,000 apart, from 2,000 out.
std::vector<Point> Spiral(int64_t n) {
  std::vector<Point> points;
  double angle = 0.0;
  for (int64_t k = 0; k <= n; ++k) {
    const double r = 2000.0 + 3000.0 * angle / (2.0 * kPi);
    points.push_back({r * std::cos(angle), r * std::sin(angle)});
    angle += 200.0 / r;
  }
  return points;
}

// Second argument: 1 cleans the junctions, 0 lets the bands overlap.
tq58::JunctionMode Junctions(const benchmark::State& state) {
  return state.range(1) != 0 ? tq58::JunctionMode::Clean : tq58::JunctionMode::None;
}

void BM_LongCurve(benchmark::State& state) {
  tq58_bench::TimeChainMode(state, tq58_bench::ThreeWideRows(300.0, Junctions(state)),
                            ChainThrough(Curve(state.range(0), kPi / 2.0, false)));
}
BENCHMARK(BM_LongCurve)
    ->ArgsProduct({{2000, 4000, 8000, 16000}, {1, 0}})
    ->ArgNames({"n", "clean"})
    ->Unit(benchmark::kMillisecond);

void BM_LongRing(benchmark::State& state) {
  tq58_bench::TimeChainMode(state, tq58_bench::ThreeWideRows(300.0, Junctions(state)),
                            ChainThrough(Curve(state.range(0), 2.0 * kPi, true)));
}
BENCHMARK(BM_LongRing)
    ->ArgsProduct({{8000}, {1, 0}})
    ->ArgNames({"n", "clean"})
    ->Unit(benchmark::kMillisecond);

void BM_LongZigzag(benchmark::State& state) {
  tq58_bench::TimeChainMode(state, tq58_bench::ThreeWideRows(300.0, Junctions(state)),
                            ChainThrough(Zigzag(state.range(0))));
}
BENCHMARK(BM_LongZigzag)
    ->ArgsProduct({{5000}, {1, 0}})
    ->ArgNames({"legs", "clean"})
    ->Unit(benchmark::kMillisecond);

void BM_LongSpiral(benchmark::State& state) {
  tq58_bench::TimeChainMode(state, tq58_bench::ThreeWideRows(300.0, Junctions(state)),
                            ChainThrough(Spiral(state.range(0))));
}
BENCHMARK(BM_LongSpiral)
    ->ArgsProduct({{8000}, {1, 0}})
    ->ArgNames({"n", "clean"})
    ->Unit(benchmark::kMillisecond);

}  // namespace
