// Work-data throughput: cut paths of a large document, and the raster lines
// of one dense engraving frame.
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>

#include "bench_size.h"
#include "pathcore/app_path.h"
#include "pathcore/path_obj.h"

namespace {

struct CountingHost : kw::pathcore::CPathObjEvents {
  int64_t points = 0, lines = 0;
  void GetCutLayer(int16_t, bool& Enabled) override { Enabled = true; }
  void OutPath(std::vector<int32_t>& X, std::vector<int32_t>&, int16_t, bool&) override {
    points += static_cast<int64_t>(X.size()) - 1;
  }
  void GetScanLayer(int16_t, bool& Enabled, int16_t& Dpi, bool&, bool& Dir, int32_t&, int32_t&) override {
    Enabled = true, Dpi = 508, Dir = true;
  }
  void OutScanLine(std::vector<kw::pathcore::ScanLine>& ScanObj, int16_t) override {
    lines += static_cast<int64_t>(ScanObj.size()) - 1;
  }
};

void BM_GetWorkDatMillionPoints(benchmark::State& state) {
  kw::pathcore::SetAppPath(std::filesystem::temp_directory_path());
  kw::pathcore::CPathObj doc;
  std::vector<float> X(101), Y(101);
  const int32_t paths = kw::bench::Size(10'000, 50);
  for (int32_t path = 0; path < paths; ++path) {
    for (int32_t i = 1; i <= 100; ++i) X[i] = static_cast<float>(path % 100 + i * 0.01), Y[i] = static_cast<float>(path / 100);
    doc.AddPath(X, Y, 0);
  }
  doc.ZL();
  CountingHost host;
  doc.SetEvents(&host);
  for (auto _ : state) doc.GetWorkDat(200, 200);
  state.SetItemsProcessed(host.points);
}
BENCHMARK(BM_GetWorkDatMillionPoints)->Unit(benchmark::kMillisecond);

// 1000 circles of 64 points in a 100 x 100 mm frame, scanned at 508 lines per inch.
void BM_FrameScanThousandOutlines(benchmark::State& state) {
  kw::pathcore::SetAppPath(std::filesystem::temp_directory_path());
  kw::pathcore::CPathObj doc;
  std::vector<float> X(66), Y(66);
  const int32_t circles = kw::bench::Size(1000, 20);
  for (int32_t c = 0; c < circles; ++c) {
    const double cx = 2 + (c % 32) * 3.1, cy = 2 + (c / 32) * 3.1;
    for (int32_t i = 1; i <= 65; ++i) {
      const double a = (i - 1) * 2 * 3.14159265358979 / 64;
      X[i] = static_cast<float>(cx + 1.4 * std::cos(a)), Y[i] = static_cast<float>(cy + 1.4 * std::sin(a));
    }
    doc.AddPath(X, Y, 1);
  }
  const std::vector<float> FX{0, 0, 100, 100, 0, 0}, FY{0, 0, 0, 100, 100, 0};
  doc.AddPath(FX, FY, 1);  // a border so the frame spans 100 x 100 mm
  doc.ZL();
  std::vector<int16_t> sort{0, 1}, types{0, 1};
  float ox = 0, oy = 0, r = 0;
  CountingHost host;
  doc.SetEvents(&host);
  for (auto _ : state) doc.GetWorkDat_Layer(100, 100, 1, sort, types, ox, oy, r, 4);
  state.counters["lines"] = static_cast<double>(host.lines) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_FrameScanThousandOutlines)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
