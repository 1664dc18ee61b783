// The reader's per-line work: splitting a line into fields, and interpreting a whole line of
// each entity kind into the model.
#include <benchmark/benchmark.h>

#include <string_view>

#include "exchange/field_splitter.h"
#include "exchange/model.h"
#include "exchange/reader.h"

namespace {

using namespace tq58::exchange;

struct NamedLine {
  const char* name;
  std::string_view line;
};

// One line of each kind, with numbers as the host writes them.
constexpr NamedLine kLines[] = {
    {"segment", "12345.5 20480 -3415.52631578947 20480"},
    {"circle", "ci 30211.5 4410.25 250"},
    {"arc", "ci 30211.5 4410.25 250 37.5 127.5 1 0"},
    {"text", "ch 18250.5 9071.33333333333 1 0 \"\x90\x51\x8E\xBA"},
    {"point", "pt 5120.75 33012.1428571429"},
    {"solid", "sl 1000 2000 1450.5 2000 1450.5 2300 1000 2300"},
    {"layer", "ly5"},
    {"colour", "lc3"},
};

// Lines per timed batch; the model is cleared between batches so that it stays small.
constexpr int kBatch = 1000;

void BM_SplitFields(benchmark::State& state) {
  const NamedLine& named = kLines[state.range(0)];
  FieldSplitter fields;
  for (auto _ : state) {
    fields.Split(named.line);
    benchmark::DoNotOptimize(fields.Count());
  }
  state.SetLabel(named.name);
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(named.line.size()));
}
BENCHMARK(BM_SplitFields)->DenseRange(0, std::size(kLines) - 1);

void BM_ParseExchangeLine(benchmark::State& state) {
  const NamedLine& named = kLines[state.range(0)];
  ExchangeModel model;
  WriterState writer;
  for (auto _ : state) {
    for (int i = 0; i < kBatch; ++i) ParseExchangeLine(model, named.line);
    state.PauseTiming();
    ClearExchangeModel(model, writer);
    state.ResumeTiming();
  }
  state.SetLabel(named.name);
  state.SetItemsProcessed(state.iterations() * kBatch);
  state.SetBytesProcessed(state.iterations() * kBatch * static_cast<int64_t>(named.line.size()));
}
BENCHMARK(BM_ParseExchangeLine)->DenseRange(0, std::size(kLines) - 1);

}  // namespace
