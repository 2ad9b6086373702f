// Throughput of the document's storage: building a large document path by path.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench_size.h"
#include "pathcore/app_path.h"
#include "pathcore/path_obj.h"

namespace {

void UseTempAppPath() { kw::pathcore::SetAppPath(std::filesystem::temp_directory_path()); }

void AddTwoPointPaths(kw::pathcore::CPathObj& doc, int32_t count) {
  std::vector<float> X{0, 0, 0}, Y{0, 0, 0};
  for (int32_t i = 0; i < count; ++i) {
    X[1] = static_cast<float>(i % 1000);
    Y[1] = static_cast<float>(i / 1000);
    X[2] = X[1] + 0.5f;
    Y[2] = Y[1] + 0.25f;
    doc.AddPath(X, Y, static_cast<int16_t>(i & 1));
  }
}

void BM_AppendTwoPointPaths(benchmark::State& state) {
  UseTempAppPath();
  const auto count = static_cast<int32_t>(state.range(0));
  for (auto _ : state) {
    kw::pathcore::CPathObj doc;
    AddTwoPointPaths(doc, count);
    doc.ZL();
    benchmark::DoNotOptimize(doc.Count());
  }
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_AppendTwoPointPaths)->Arg(kw::bench::Size(1'000'000, 1000))->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
