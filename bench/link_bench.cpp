// Controller link figures on loopback against the simulated controller: the
// round trip of one transaction, and batch throughput against the protocol's
// own ceiling (41 records per 0x42 frame, one frame per 20 ms: ~2,050 records/s).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

#include "axisnet/axisnet.h"
#include "bench_size.h"
#include "axissim/simulator.h"

namespace {

using Clock = std::chrono::steady_clock;

void QuietTrace(const char*, void*) {}

struct Loopback {
  explicit Loopback(double speedup) : sim(Config(speedup)) {
    AxisnetSetTraceSink(QuietTrace, nullptr);
    OpenPort("127.0.0.1", sim.Start(0));
    SetTimeOut(100);
    SetReSend(16);
  }
  ~Loopback() {
    ClosePort();
    sim.Stop();
    AxisnetSetTraceSink(nullptr, nullptr);
  }
  static kw::axissim::SimConfig Config(double speedup) {
    kw::axissim::SimConfig c;
    c.speedup = speedup;
    return c;
  }
  kw::axissim::Simulator sim;
};

double Percentile(std::vector<double> values, double share) {
  std::sort(values.begin(), values.end());
  return values[static_cast<size_t>(share * static_cast<double>(values.size() - 1))];
}

void BM_TransactionRoundTrip(benchmark::State& state) {
  Loopback link(1.0);
  std::vector<double> micros;
  int32_t status = 0;
  for (auto _ : state) {
    const auto start = Clock::now();
    if (GetMotionStatus(&status) != 0) state.SkipWithError("transaction failed");
    micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
  }
  state.counters["median_us"] = Percentile(micros, 0.5);
  state.counters["p99_us"] = Percentile(micros, 0.99);
}
BENCHMARK(BM_TransactionRoundTrip)->UseRealTime();

void BM_BatchThroughput(benchmark::State& state) {
  const int records = static_cast<int>(state.range(0));
  Loopback link(1000.0);  // the machine itself is never the bottleneck here
  double seconds = 0;
  for (auto _ : state) {
    const size_t before = link.sim.RecordsTaken().size();
    SetLayoutMode(1);
    BatchCmdClr();
    BatchSetting(1000, 50000, 1600);
    const auto start = Clock::now();
    BatchBegin(0, 0, 0);
    for (int i = 0; i < records; ++i)
      while (BatchCmdAdd(i, i % 100, 0, 400000, 0) != 0) std::this_thread::sleep_for(std::chrono::microseconds(100));
    SetBufOk();
    while (link.sim.RecordsTaken().size() < before + static_cast<size_t>(records))
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    seconds += std::chrono::duration<double>(Clock::now() - start).count();
    BatchEnd();
  }
  const double per_second = records * static_cast<double>(state.iterations()) / seconds;
  state.counters["records_per_s"] = per_second;
  state.counters["share_of_ceiling"] = per_second / (41.0 / 0.020);
}
BENCHMARK(BM_BatchThroughput)->Arg(kw::bench::Size(4100, 82))->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
