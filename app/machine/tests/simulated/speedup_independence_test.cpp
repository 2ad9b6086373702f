// The sample job on the simulated controller at a slow and a very fast
// speed-up: the machine's record and its motion time must not depend on how
// fast the simulated clock runs against the host.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "machine/axisnet_binding.h"
#include "machine/cut_layer.h"
#include "machine/cydkz.h"
#include "machine/job_run.h"
#include "machine/layer_map.h"
#include "machine/machine_settings.h"
#include "machine/run_preparation.h"
#include "pathcore/path_obj.h"
#include "axissim/simulator.h"
#include "sample_on_simulator.h"

namespace {

using kw::axissim::Machine;
using kw::axissim::PathSample;

enum Tool { kUp, kPen, kKnife, kHalfCut };

struct JobRecord {
  double motionSeconds = 0;        // simulated s
  std::array<double, 4> mm{};      // recorded length at each tool's height
  double streamedMm = 0;           // what the run says it streamed with a tool down
};

Tool ToolAt(double z, const kw::MachineSettings& s) {
  const double kz = double(s.Mcs[2]) / s.Sgdc[2];
  const std::array<double, 4> heights{s.ZPos_Up * kz, s.ZPen * kz, s.ZCut * kz, s.ZHalfCut * kz};
  int best = 0;
  for (int t = 1; t < 4; ++t)
    if (std::fabs(heights[t] - z) < std::fabs(heights[best] - z)) best = t;
  return Tool(best);
}

// Lengths in mm of the recorded moves that kept one height, by the tool at that height.
std::array<double, 4> LengthByTool(const std::vector<PathSample>& samples, const kw::MachineSettings& s) {
  const double kx = double(s.Mcs[0]) / s.Sgdc[0], ky = double(s.Mcs[1]) / s.Sgdc[1];
  std::array<double, 4> mm{};
  for (size_t i = 1; i < samples.size(); ++i) {
    const PathSample& a = samples[i - 1];
    const PathSample& b = samples[i];
    if (a.z == b.z) mm[ToolAt(a.z, s)] += std::hypot((b.x - a.x) / kx, (b.y - a.y) / ky);
  }
  return mm;
}

JobRecord RunSampleAt(double speedup) {
  kw::QuietAxisnetTrace();
  kw::axissim::SimConfig config;
  config.speedup = speedup;
  kw::axissim::Simulator sim(config);
  kw::test::SampleOnSimulator job(sim);
  auto& [s, library, ydkz, doc, layers, map] = job;

  const double before = sim.With([](Machine& m, const auto&) {
    m.Path().Clear();
    return m.MotionSeconds();
  });
  kw::RunHost host;
  kw::JobRun run(library, ydkz, s, layers, map, host);
  const kw::RunSummary summary = run.Run(doc, {});
  ydkz.DisConnect();
  EXPECT_TRUE(summary.started && !summary.stopped);

  JobRecord record;
  record.streamedMm = summary.cutLength;
  sim.With([&](Machine& m, const auto&) {
    record.motionSeconds = m.MotionSeconds() - before;
    record.mm = LengthByTool(m.Path().Samples(), s);
    return 0;
  });
  return record;
}

TEST(SpeedupIndependence, TheSampleCutsTheSameWithEachToolAndTakesTheSameMotionTime) {
  const JobRecord slow = RunSampleAt(20);
  const JobRecord fast = RunSampleAt(10000);
  EXPECT_GT(slow.motionSeconds, 1.0);
  EXPECT_NEAR(fast.motionSeconds, slow.motionSeconds, 0.01 * slow.motionSeconds);
  // The sample has pen and knife paths and no half-cut ones.
  EXPECT_GT(slow.mm[kPen], 100);
  EXPECT_GT(slow.mm[kKnife], 100);
  EXPECT_EQ(slow.mm[kHalfCut], 0);
  for (Tool tool : {kPen, kKnife, kHalfCut}) {
    SCOPED_TRACE(tool);
    EXPECT_NEAR(fast.mm[tool], slow.mm[tool], 0.1);
  }
  // Every streamed millimetre is in the record with a tool down, at either speed.
  for (const JobRecord& r : {slow, fast})
    EXPECT_NEAR(r.mm[kPen] + r.mm[kKnife] + r.mm[kHalfCut], r.streamedMm, 0.001 * r.streamedMm);
}

}  // namespace
