// Throughput of the editing and undo operations on large documents: a
// snapshot of a million points, deleting every second object, and joining
// long chains of touching segments.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <numeric>
#include <random>

#include "bench_size.h"
#include "pathcore/app_path.h"
#include "pathcore/path_obj.h"

namespace {

void UseTempAppPath() { kw::pathcore::SetAppPath(std::filesystem::temp_directory_path()); }

// count segments (i, 0)-(i + 1, 0), added in list order or shuffled; with
// alternate, every second one on layer 1 so a layer selection picks them.
void AddChain(kw::pathcore::CPathObj& doc, int32_t count, bool shuffled, bool alternate = false) {
  std::vector<int32_t> order(static_cast<size_t>(count));
  std::iota(order.begin(), order.end(), 0);
  if (shuffled) std::shuffle(order.begin(), order.end(), std::mt19937(7));
  std::vector<float> X{0, 0, 0}, Y{0, 0, 0};
  for (int32_t i : order) {
    X[1] = static_cast<float>(i);
    X[2] = static_cast<float>(i + 1);
    doc.AddPath(X, Y, static_cast<int16_t>(alternate && (i % 2 == 0)));
  }
}

void BM_DocBakOfAMillionPoints(benchmark::State& state) {
  UseTempAppPath();
  kw::pathcore::CPathObj doc;
  std::vector<float> X(1001), Y(1001);
  for (size_t i = 1; i < X.size(); ++i) X[i] = static_cast<float>(i), Y[i] = static_cast<float>(i % 7);
  const int32_t paths = kw::bench::Size(1000, 10);
  for (int32_t path = 0; path < paths; ++path) doc.AddPath(X, Y, 0);
  for (auto _ : state) benchmark::DoNotOptimize(doc.DocBak());
  state.SetItemsProcessed(state.iterations() * doc.PointCount());
}
BENCHMARK(BM_DocBakOfAMillionPoints)->Unit(benchmark::kMillisecond);

void BM_DelObjEverySecondObject(benchmark::State& state) {
  UseTempAppPath();
  const auto count = static_cast<int32_t>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    kw::pathcore::CPathObj doc;
    AddChain(doc, count, false, true);
    doc.SelLayer(0, 1, 14);  // the objects on layer 1: every second one
    state.ResumeTiming();
    doc.DelObj();
    benchmark::DoNotOptimize(doc.Count());
  }
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_DelObjEverySecondObject)->Arg(kw::bench::Size(100'000, 1000))->Unit(benchmark::kMillisecond);

// range(0): segments; range(1): 1 to add them shuffled.
void BM_JoinTouchingSegments(benchmark::State& state) {
  UseTempAppPath();
  const auto count = static_cast<int32_t>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    kw::pathcore::CPathObj doc;
    AddChain(doc, count, state.range(1) != 0);
    doc.SelAll();
    state.ResumeTiming();
    doc.Hb(0.05);
    if (doc.Count() != 1) state.SkipWithError("the chain did not become one path");
  }
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_JoinTouchingSegments)
    ->ArgNames({"segments", "shuffled"})
    ->Args({kw::bench::Size(100'000, 1000), 0})
    ->Args({kw::bench::Size(100'000, 1000), 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
