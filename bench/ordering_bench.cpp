// Ordering speed: distance ordering and inner/outer nesting of a grid of
// nested squares.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "bench_size.h"
#include "pathcore/app_path.h"
#include "pathcore/path_obj.h"

namespace {

void RandomSegments(kw::pathcore::CPathObj& doc, int32_t count) {
  std::mt19937 rng(7);
  std::uniform_real_distribution<float> coord(0.0f, 1000.0f), step(-5.0f, 5.0f);
  std::vector<float> X(3), Y(3);
  for (int32_t i = 0; i < count; ++i) {
    X[1] = coord(rng), Y[1] = coord(rng);
    X[2] = X[1] + step(rng), Y[2] = Y[1] + step(rng);
    doc.AddPath(X, Y, 0);
  }
}

void AddSquare(kw::pathcore::CPathObj& doc, float x0, float y0, float size) {
  const std::vector<float> X{0, x0, x0 + size, x0 + size, x0, x0};
  const std::vector<float> Y{0, y0, y0, y0 + size, y0 + size, y0};
  doc.AddPath(X, Y, 0);
}

// Groups of three nested squares in a grid, listed outermost first.
void NestedGrid(kw::pathcore::CPathObj& doc, int32_t closedPaths) {
  const int32_t groups = closedPaths / 3;
  const auto side = static_cast<int32_t>(std::ceil(std::sqrt(groups)));
  for (int32_t g = 0; g < groups; ++g) {
    const float x = static_cast<float>(g % side) * 12.0f, y = static_cast<float>(g / side) * 12.0f;
    AddSquare(doc, x, y, 10);
    AddSquare(doc, x + 2, y + 2, 6);
    AddSquare(doc, x + 4, y + 4, 2);
  }
}

void BM_AutoS(benchmark::State& state) {
  kw::pathcore::SetAppPath(std::filesystem::temp_directory_path());
  for (auto _ : state) {
    state.PauseTiming();
    kw::pathcore::CPathObj doc;
    RandomSegments(doc, static_cast<int32_t>(state.range(0)));
    state.ResumeTiming();
    doc.AutoS();
  }
}
BENCHMARK(BM_AutoS)->Arg(kw::bench::Size(10'000, 100))->Arg(kw::bench::Size(100'000, 300))->Unit(benchmark::kMillisecond);

void BM_AutoTreeNestedGrid(benchmark::State& state) {
  kw::pathcore::SetAppPath(std::filesystem::temp_directory_path());
  for (auto _ : state) {
    state.PauseTiming();
    kw::pathcore::CPathObj doc;
    NestedGrid(doc, static_cast<int32_t>(state.range(0)));
    doc.ZL();
    state.ResumeTiming();
    doc.AutoTree();
  }
}
BENCHMARK(BM_AutoTreeNestedGrid)->Arg(kw::bench::Size(10'000, 90))->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
