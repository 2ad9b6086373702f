// The run's time estimate against the simulated controller's own count of
// the time its axes spent moving. Both drive every move and every streamed
// line with the same trapezoid, so the estimate's per-axis sum must come out
// as the simulated motion time, on the sample and on a drawing of many short
// lines, with and without the paper cut-off.
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
  double motionSeconds = 0;  // simulated
};

EstimateAndRecord RunDrawing(const char* dxf, const kw::RunOptions& options) {
  kw::QuietAxisnetTrace();
  kw::axissim::SimConfig config;
  config.speedup = 200;
  kw::axissim::Simulator sim(config);
  kw::test::SampleOnSimulator job(sim, dxf);
  auto& [s, library, ydkz, doc, layers, map] = job;

  EstimateAndRecord result;
  result.estimate = kw::EstimateJob(doc, s, layers, map, options, {});
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

TEST(RunEstimateOnSimulator, TwoDrawingsTakeTheEstimatedMotionTime) {
  for (const char* dxf : {KW_SAMPLES_DIR "/badge.dxf", KW_TESTDATA_DIR "/dxf/plate_r12.dxf"}) {
    for (const kw::RunOptions options : {kw::RunOptions{}, kw::RunOptions{.cutOff = true, .feed = 20}}) {
      SCOPED_TRACE(std::string(dxf) + (options.cutOff ? " with cut-off" : ""));
      const EstimateAndRecord r = RunDrawing(dxf, options);
      EXPECT_GT(r.motionSeconds, 1);
      // What is left is rounding: speeds reach the controller in whole pulses per second.
      EXPECT_NEAR(r.estimate.axisSeconds, r.motionSeconds, 0.01 * r.motionSeconds);
      // X and Y travel together, so the job takes less than its axes move.
      EXPECT_LT(r.estimate.TotalSeconds(), r.estimate.axisSeconds);
    }
  }
}

}  // namespace
