// A whole job through the controller link against the simulated controller:
// time per path on the host side and records streamed per second.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench_size.h"
#include "machine/axisnet_binding.h"
#include "machine/cut_layer.h"
#include "machine/cydkz.h"
#include "machine/job_run.h"
#include "machine/layer_map.h"
#include "pathcore/app_path.h"
#include "pathcore/path_obj.h"
#include "axissim/simulator.h"

namespace {

// The controller library of this build, loaded once and kept, as the program
// keeps its own. The document's files go to the temporary folder, so the
// library is not looked for beside them.
kw::AxisnetLibrary& Library() {
  static auto* library = new kw::AxisnetLibrary(KW_AXISNET_LIBRARY);
  return *library;
}

void DropTraceLine(const char*, void*) {}

// Paths of `points` points each, in rows inside the machine's travel.
void FillJob(kw::pathcore::CPathObj& doc, int32_t paths, int32_t points) {
  std::vector<float> X(static_cast<size_t>(points) + 1), Y(static_cast<size_t>(points) + 1);
  for (int32_t p = 0; p < paths; ++p) {
    for (int32_t i = 1; i <= points; ++i) {
      X[i] = -1.0f - static_cast<float>(p % 100) * 4 - static_cast<float>(i) * 0.5f;
      Y[i] = 1.0f + static_cast<float>(p / 100) * 4;
    }
    doc.AddPath(X, Y, 0);
  }
  doc.ZL();
}

void BM_JobOnSimulator(benchmark::State& state) {
  kw::pathcore::SetAppPath(std::filesystem::temp_directory_path());
  const auto paths = static_cast<int32_t>(state.range(0)), points = static_cast<int32_t>(state.range(1));
  kw::axissim::SimConfig config;
  config.speedup = 10000;
  kw::axissim::Simulator sim(config);
  kw::MachineSettings s;
  s.ControllerAddress = "127.0.0.1";
  s.ControllerPort = sim.Start(0);
  kw::ComputeToolHeights(s);
  Library().SetTraceSink(DropTraceLine, nullptr);
  kw::CYdkz ydkz(Library(), s);
  if (ydkz.OpenPort("") != 0 || ydkz.Connect() != 0) {
    state.SkipWithError("no simulated controller");
    return;
  }
  kw::CCutLayer layers;
  kw::CLayerMap map;
  kw::RunHost host;
  int64_t records = 0;
  for (auto _ : state) {
    state.PauseTiming();
    kw::pathcore::CPathObj doc;
    FillJob(doc, paths, points);
    state.ResumeTiming();
    kw::JobRun run(Library(), ydkz, s, layers, map, host);
    const auto summary = run.Run(doc, kw::RunOptions{});
    records += static_cast<int64_t>(summary.pathsRun) * (points - 1);
  }
  ydkz.DisConnect();
  state.counters["s_per_1000_paths"] = benchmark::Counter(
      static_cast<double>(paths) * static_cast<double>(state.iterations()) / 1000.0,
      benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  state.counters["records_per_s"] = benchmark::Counter(static_cast<double>(records), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_JobOnSimulator)->Args({kw::bench::Size(5000, 20), 2})->Args({kw::bench::Size(200, 4), kw::bench::Size(200, 20)})->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
