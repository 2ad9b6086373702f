// The run's time estimate against the simulated controller's own count of
// the time its axes spent moving, for the sample job. The simulator runs
// streamed paths at their speed from the first point to the last, without
// the ramps the estimate allows for, so it is compared with an estimate
// made without them, and the full estimate may only lie above it.
#include <gtest/gtest.h>

#include "machine/axisnet_binding.h"
#include "machine/cut_layer.h"
#include "machine/cydkz.h"
#include "machine/job_run.h"
#include "machine/layer_map.h"
#include "machine/machine_settings.h"
#include "machine/run_estimate.h"
#include "machine/run_preparation.h"
#include "pathcore/path_obj.h"
#include "axissim/simulator.h"
#include "sample_on_simulator.h"

namespace {

using kw::axissim::Machine;

struct EstimateAndRecord {
  kw::RunEstimate estimate;
  kw::RunEstimate withoutPathRamps;  // as the simulator streams
  double motionSeconds = 0;          // simulated
};

EstimateAndRecord RunSample(const kw::RunOptions& options) {
  kw::QuietAxisnetTrace();
  kw::axissim::SimConfig config;
  config.speedup = 200;
  kw::axissim::Simulator sim(config);
  kw::test::SampleOnSimulator job(sim);
  auto& [s, library, ydkz, doc, layers, map] = job;

  EstimateAndRecord result;
  result.estimate = kw::EstimateJob(doc, s, layers, map, options, {});
  kw::MachineSettings withoutRamps = s;
  withoutRamps.BufAcc = {0, 0};
  result.withoutPathRamps = kw::EstimateJob(doc, withoutRamps, layers, map, options, {});
  const double before = sim.With([](Machine& m, const auto&) { return m.MotionSeconds(); });
  kw::RunHost host;
  kw::JobRun run(library, ydkz, s, layers, map, host);
  const kw::RunSummary summary = run.Run(doc, options);
  ydkz.DisConnect();
  EXPECT_TRUE(summary.started && !summary.stopped);
  EXPECT_EQ(static_cast<size_t>(summary.pathsRun), result.estimate.pathSeconds.size());
  result.motionSeconds = sim.With([](Machine& m, const auto&) { return m.MotionSeconds(); }) - before;
  return result;
}

TEST(RunEstimateOnSimulator, TheSampleTakesTheEstimatedMotionTime) {
  for (const kw::RunOptions options : {kw::RunOptions{}, kw::RunOptions{.cutOff = true, .feed = 20}}) {
    SCOPED_TRACE(options.cutOff);
    const EstimateAndRecord r = RunSample(options);
    EXPECT_GT(r.motionSeconds, 5);
    EXPECT_NEAR(r.withoutPathRamps.axisSeconds, r.motionSeconds, 0.01 * r.motionSeconds);
    EXPECT_GT(r.estimate.axisSeconds, r.motionSeconds);
    // X and Y travel together, so the job takes less than its axes move.
    EXPECT_LT(r.estimate.TotalSeconds(), r.estimate.axisSeconds);
    ::testing::Test::RecordProperty(options.cutOff ? "excess_with_cutoff_percent" : "excess_percent",
                                    std::to_string(100 * (r.estimate.axisSeconds / r.motionSeconds - 1)));
  }
}

}  // namespace
