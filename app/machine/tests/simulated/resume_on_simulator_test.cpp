// A stopped job resumed from the path it stopped in, on the simulated
// controller: what the machine cut with a tool down, read from its recorded
// path, is every path of the job once, except the path of the stop, which is
// cut once in part and then again from its start.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <tuple>
#include <vector>

#include "axissim/simulator.h"
#include "machine/job_run.h"
#include "machine/cydkz.h"
#include "machine/planned_paths.h"
#include "sample_on_simulator.h"

namespace {

using kw::axissim::Machine;
using Polyline = std::vector<std::pair<double, double>>;  // pulses

// Asks for the stop once the head has left the start of path `path` with the tool down.
class StopInPath : public kw::RunHost {
 public:
  StopInPath(kw::axissim::Simulator& sim, int32_t path, std::pair<int32_t, int32_t> start, int32_t upZ)
      : sim_(sim), path_(path), start_(start), upZ_(upZ) {}
  bool StopRequested() override {
    if (done_ != path_ - 1) return false;
    const auto [x, y, z] = sim_.With([](Machine& m, const auto&) {
      return std::tuple{m.Position(1), m.Position(2), m.Position(4)};
    });
    return z != upZ_ && std::pair{x, y} != start_;
  }
  void Progress(const kw::RunProgress& p) override { done_ = p.pathsDone; }

 private:
  kw::axissim::Simulator& sim_;
  int32_t path_;
  std::pair<int32_t, int32_t> start_;
  int32_t upZ_;
  int32_t done_ = 0;
};

// Each stretch of the recorded path with the tool further than 3 mm from the lifted height.
std::vector<Polyline> ToolDownStretches(const std::vector<kw::axissim::PathSample>& samples, double upZ,
                                        double threeMm) {
  std::vector<Polyline> stretches;
  bool down = false;
  for (const auto& sample : samples) {
    const bool nowDown = std::fabs(sample.z - upZ) > threeMm;
    if (nowDown && !down) stretches.emplace_back();
    if (nowDown && (stretches.back().empty() || stretches.back().back() != std::pair{sample.x, sample.y}))
      stretches.back().emplace_back(sample.x, sample.y);
    down = nowDown;
  }
  return stretches;
}

// A point repeated in place moves nothing, so the record cannot show it.
Polyline PointsOf(const kw::PlannedPath& p) {
  Polyline points;
  for (size_t i = 1; i < p.X.size(); ++i)
    if (points.empty() || points.back() != std::pair<double, double>(p.X[i], p.Y[i])) points.emplace_back(p.X[i], p.Y[i]);
  return points;
}

// The same points within a pulse; with partOnly, cut may stop short of the path's end.
bool Follows(const Polyline& cut, const Polyline& path, bool partOnly) {
  if (cut.size() < 2 || cut.size() > path.size() || (!partOnly && cut.size() != path.size())) return false;
  for (size_t i = 0; i < cut.size(); ++i)
    if (std::fabs(cut[i].first - path[i].first) > 1 || std::fabs(cut[i].second - path[i].second) > 1) return false;
  return true;
}

TEST(ResumeOnSimulator, AJobStoppedInAPathAndResumedFromItCutsThatPathTwiceAndEveryOtherOnce) {
  kw::QuietAxisnetTrace();
  kw::axissim::SimConfig config;
  config.speedup = 200;
  kw::axissim::Simulator sim(config);
  kw::test::SampleOnSimulator job(sim);
  auto& [s, library, ydkz, doc, layers, map] = job;
  const std::vector<kw::PlannedPath> paths = kw::PlannedPaths(doc, s, layers, map, false);
  ASSERT_GE(paths.size(), 4u);
  constexpr int32_t k = 3;
  const int32_t upZ = kw::PulsesOf(s.ZPos_Up, 2, s);

  StopInPath stopping(sim, k, {paths[k - 1].X[1], paths[k - 1].Y[1]}, upZ);
  kw::JobRun first(library, ydkz, s, layers, map, stopping);
  const kw::RunSummary stopped = first.Run(doc, {});
  ASSERT_TRUE(stopped.stopped);
  EXPECT_EQ(stopped.pathsRun, k - 1);
  EXPECT_EQ(stopped.pathInProgress, k);
  EXPECT_EQ(stopped.layerInProgress, paths[k - 1].layer);

  kw::RunHost plain;
  kw::JobRun second(library, ydkz, s, layers, map, plain);
  const kw::RunSummary resumed = second.Run(doc, {.fromPath = stopped.pathInProgress});
  ydkz.DisConnect();
  EXPECT_FALSE(resumed.stopped);
  EXPECT_EQ(resumed.pathsRun, static_cast<int32_t>(paths.size()) - k + 1);

  const auto samples = sim.With([](Machine& m, const auto&) { return m.Path().Samples(); });
  const std::vector<Polyline> cut = ToolDownStretches(samples, upZ, std::abs(kw::PulsesOf(3, 2, s)));
  ASSERT_EQ(cut.size(), paths.size() + 1);
  size_t at = 0;
  for (size_t i = 0; i < paths.size(); ++i) {
    SCOPED_TRACE(i + 1);
    const Polyline path = PointsOf(paths[i]);
    if (i + 1 == k) {
      EXPECT_TRUE(Follows(cut[at++], path, true)) << "the part cut before the stop";
    }
    EXPECT_TRUE(Follows(cut[at++], path, false));
  }
}

}  // namespace
