// Throughput of the editing and undo operations on large documents: a
// snapshot of a million points, deleting every second object, and joining
// long chains of touching segments by the grid and by the plain scan.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <numeric>
#include <random>

#include "pathcore/document/app_path.h"
#include "pathcore/document/join_paths.h"
#include "pathcore/document/path_obj.h"
#include "pathcore/document/path_obj_internals.h"

namespace {

void UseTempAppPath() { pathcore::SetAppPath(std::filesystem::temp_directory_path()); }

pathcore::PathStore& StoreOf(pathcore::CPathObj& doc) { return pathcore::CPathObjInternals::Store(doc); }

// count segments (i, 0)-(i + 1, 0), added in list order or shuffled.
void AddChain(pathcore::PathStore& s, int32_t count, bool shuffled) {
  std::vector<int32_t> order(static_cast<size_t>(count));
  std::iota(order.begin(), order.end(), 0);
  if (shuffled) std::shuffle(order.begin(), order.end(), std::mt19937(7));
  std::vector<float> X{0, 0, 0}, Y{0, 0, 0};
  for (int32_t i : order) {
    X[1] = static_cast<float>(i);
    X[2] = static_cast<float>(i + 1);
    s.AddPath(X, Y, 0);
  }
}

void BM_DocBakOfAMillionPoints(benchmark::State& state) {
  UseTempAppPath();
  pathcore::CPathObj doc;
  std::vector<float> X(1001), Y(1001);
  for (size_t i = 1; i < X.size(); ++i) X[i] = static_cast<float>(i), Y[i] = static_cast<float>(i % 7);
  for (int path = 0; path < 1000; ++path) StoreOf(doc).AddPath(X, Y, 0);
  for (auto _ : state) benchmark::DoNotOptimize(doc.DocBak());
  state.SetItemsProcessed(state.iterations() * StoreOf(doc).PointN);
}
BENCHMARK(BM_DocBakOfAMillionPoints)->Unit(benchmark::kMillisecond);

void BM_DelObjEverySecondObject(benchmark::State& state) {
  UseTempAppPath();
  const auto count = static_cast<int32_t>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    pathcore::CPathObj doc;
    AddChain(StoreOf(doc), count, false);
    for (int32_t k = 1; k <= count; k += 2) StoreOf(doc).ObjSel[k] = 1;
    state.ResumeTiming();
    doc.DelObj();
    benchmark::DoNotOptimize(doc.Count());
  }
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_DelObjEverySecondObject)->Arg(100'000)->Unit(benchmark::kMillisecond);

// range(0): segments; range(1): 1 to add them shuffled; range(2): 1 for the plain scan.
void BM_JoinTouchingSegments(benchmark::State& state) {
  UseTempAppPath();
  const auto count = static_cast<int32_t>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    pathcore::CPathObj doc;
    AddChain(StoreOf(doc), count, state.range(1) != 0);
    doc.SelAll();
    state.ResumeTiming();
    const auto ignore = [](int32_t, int32_t) {};
    if (state.range(2) != 0) pathcore::JoinPathsByScan(StoreOf(doc), 0.05, ignore);
    else pathcore::JoinPathsByGrid(StoreOf(doc), 0.05, ignore);
    if (doc.Count() != 1) state.SkipWithError("the chain did not become one path");
  }
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_JoinTouchingSegments)
    ->ArgNames({"segments", "shuffled", "scan"})
    ->Args({100'000, 0, 0})
    ->Args({100'000, 1, 0})
    ->Args({2'000, 0, 1})
    ->Args({4'000, 0, 1})
    ->Args({8'000, 0, 1})
    ->Args({2'000, 1, 1})
    ->Args({4'000, 1, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
