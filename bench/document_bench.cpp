// Throughput of the document's storage: building a large document and
// removing objects one by one through block moves.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "pathcore/document/app_path.h"
#include "pathcore/document/path_obj.h"
#include "pathcore/document/path_obj_internals.h"

namespace {

void UseTempAppPath() { pathcore::SetAppPath(std::filesystem::temp_directory_path()); }

void AddTwoPointPaths(pathcore::PathStore& s, int32_t count) {
  std::vector<float> X{0, 0, 0}, Y{0, 0, 0};
  for (int32_t i = 0; i < count; ++i) {
    X[1] = static_cast<float>(i % 1000);
    Y[1] = static_cast<float>(i / 1000);
    X[2] = X[1] + 0.5f;
    Y[2] = Y[1] + 0.25f;
    s.AddPath(X, Y, static_cast<int16_t>(i & 1));
  }
}

void BM_AppendTwoPointPaths(benchmark::State& state) {
  UseTempAppPath();
  const auto count = static_cast<int32_t>(state.range(0));
  for (auto _ : state) {
    pathcore::CPathObj doc;
    auto& s = pathcore::CPathObjInternals::Store(doc);
    AddTwoPointPaths(s, count);
    doc.ZL();
    benchmark::DoNotOptimize(doc.Count());
  }
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_AppendTwoPointPaths)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void BM_RemoveEverySecondObject(benchmark::State& state) {
  UseTempAppPath();
  const auto count = static_cast<int32_t>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    pathcore::CPathObj doc;
    auto& s = pathcore::CPathObjInternals::Store(doc);
    AddTwoPointPaths(s, count);
    state.ResumeTiming();
    for (int32_t k = 1; k <= s.ObjN; ++k) s.RemovePath(k);  // every second of the original list
    benchmark::DoNotOptimize(doc.Count());
  }
  state.SetItemsProcessed(state.iterations() * count / 2);
}
BENCHMARK(BM_RemoveEverySecondObject)->Arg(100'000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
