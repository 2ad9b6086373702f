// Ordering speed: distance ordering by search and by plain scan, and
// inner/outer nesting of a grid of nested squares.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "pathcore/document/app_path.h"
#include "pathcore/document/distance_order.h"
#include "pathcore/document/path_obj.h"
#include "pathcore/document/path_obj_internals.h"

namespace {

void RandomSegments(pathcore::PathStore& s, int32_t count) {
  std::mt19937 rng(7);
  std::uniform_real_distribution<float> coord(0.0f, 1000.0f), step(-5.0f, 5.0f);
  std::vector<float> X(3), Y(3);
  for (int32_t i = 0; i < count; ++i) {
    X[1] = coord(rng), Y[1] = coord(rng);
    X[2] = X[1] + step(rng), Y[2] = Y[1] + step(rng);
    s.AddPath(X, Y, 0);
  }
}

void AddSquare(pathcore::PathStore& s, float x0, float y0, float size) {
  const std::vector<float> X{0, x0, x0 + size, x0 + size, x0, x0};
  const std::vector<float> Y{0, y0, y0, y0 + size, y0 + size, y0};
  s.AddPath(X, Y, 0);
}

// Groups of three nested squares in a grid, listed outermost first.
void NestedGrid(pathcore::PathStore& s, int32_t closedPaths) {
  const int32_t groups = closedPaths / 3;
  const auto side = static_cast<int32_t>(std::ceil(std::sqrt(groups)));
  for (int32_t g = 0; g < groups; ++g) {
    const float x = static_cast<float>(g % side) * 12.0f, y = static_cast<float>(g / side) * 12.0f;
    AddSquare(s, x, y, 10);
    AddSquare(s, x + 2, y + 2, 6);
    AddSquare(s, x + 4, y + 4, 2);
  }
}

void BM_AutoS(benchmark::State& state) {
  pathcore::SetAppPath(std::filesystem::temp_directory_path());
  for (auto _ : state) {
    state.PauseTiming();
    pathcore::CPathObj doc;
    RandomSegments(pathcore::CPathObjInternals::Store(doc), static_cast<int32_t>(state.range(0)));
    state.ResumeTiming();
    doc.AutoS();
  }
}
BENCHMARK(BM_AutoS)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

void BM_DistanceOrderByScan(benchmark::State& state) {
  pathcore::SetAppPath(std::filesystem::temp_directory_path());
  pathcore::CPathObj doc;
  auto& s = pathcore::CPathObjInternals::Store(doc);
  RandomSegments(s, static_cast<int32_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(pathcore::DistanceOrderByScan(s, nullptr));
}
BENCHMARK(BM_DistanceOrderByScan)->Arg(10'000)->Arg(30'000)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_AutoTreeNestedGrid(benchmark::State& state) {
  pathcore::SetAppPath(std::filesystem::temp_directory_path());
  for (auto _ : state) {
    state.PauseTiming();
    pathcore::CPathObj doc;
    NestedGrid(pathcore::CPathObjInternals::Store(doc), static_cast<int32_t>(state.range(0)));
    doc.ZL();
    state.ResumeTiming();
    doc.AutoTree();
  }
}
BENCHMARK(BM_AutoTreeNestedGrid)->Arg(10'000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
