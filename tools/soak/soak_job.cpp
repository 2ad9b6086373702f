#include "soak_job.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "axissim/simulator.h"
#include "cut_check.h"
#include "machine/cut_layer.h"
#include "machine/cydkz.h"
#include "machine/job_run.h"
#include "machine/layer_map.h"
#include "machine/machine_settings.h"
#include "machine/run_preparation.h"
#include "pathcore/path_obj.h"
#include "recording_axisnet.h"
#include "simulator_job_settings.h"
#include "soak_plan.h"

namespace kw::soak {
namespace {

using Clock = std::chrono::steady_clock;

// The stop button goes down at a wall-clock moment of the job, if at all.
struct SoakHost final : RunHost {
  Clock::time_point stopAt = Clock::time_point::max();
  bool StopRequested() override { return Clock::now() >= stopAt; }
};

void BuildDocument(const JobPlan& plan, pathcore::CPathObj& doc) {
  for (const PlannedPath& path : plan.paths) doc.AddPath(path.x, path.y, path.layer);
  doc.ZL();
  doc.SetPathPos(0, 0);  // the job's corner at the machine origin, as File Open places it
}

Outcome OutcomeOf(const RunSummary& summary) {
  if (!summary.started) return Outcome::NotStarted;
  if (summary.communicationFailed) return Outcome::LinkGivenUp;
  return summary.stopped ? Outcome::Stopped : Outcome::Completed;
}

axissim::Faults FaultsFrom(const JobPlan& plan, Clock::time_point start) {
  axissim::Faults faults = plan.faults;
  if (plan.silenceLength.count() > 0) {
    faults.silent_from = start + plan.silenceAfter;
    faults.silent_until = faults.silent_from + plan.silenceLength;
  }
  return faults;
}

// With KW_SOAK_EXPLAIN set, a job that failed a check is printed to stderr:
// the stretches cut, the paths streamed and every sample of the head.
void Explain(const std::vector<axissim::PathSample>& samples, double upZ, const std::vector<Polyline>& streamed) {
  const auto print = [](const char* what, const std::vector<Polyline>& lines) {
    for (const Polyline& line : lines) {
      std::fprintf(stderr, "%s:", what);
      for (const Point& p : line) std::fprintf(stderr, " (%g,%g)", p.x, p.y);
      std::fprintf(stderr, "\n");
    }
  };
  print("cut", ToolDownStretches(samples, upZ));
  print("streamed", streamed);
  for (const axissim::PathSample& p : samples) std::fprintf(stderr, "  t %g x %g y %g z %g\n", p.time, p.x, p.y, p.z);
}

// The machine read straight from the simulator, not over the link.
void CheckMachine(axissim::Simulator& sim, const MachineSettings& s, const std::vector<Polyline>& streamed,
                  JobReport& report) {
  const double upZ = std::round(s.ZPos_Up * s.Mcs[2] / s.Sgdc[2]);
  struct Seen {
    int32_t x, y, z;
    uint16_t moving;
    std::vector<axissim::PathSample> samples;
  };
  const Seen seen = sim.With([](axissim::Machine& m, const auto&) {
    return Seen{m.Position(1), m.Position(2), m.Position(4), m.MotionBits(), m.Path().Samples()};
  });
  // The run counts a move as arrived within a pulse and a half.
  report.toolUp = std::abs(seen.z - upZ) <= 2;
  report.atOrigin = seen.moving == 0 && std::abs(seen.x) <= 2 && std::abs(seen.y) <= 2;
  const bool whole = report.outcome == Outcome::Completed;
  const std::string wrong = CompareCut(ToolDownStretches(seen.samples, upZ), streamed, !whole);
  report.cutMatches = wrong.empty();
  const bool failed = !wrong.empty() || !report.toolUp || !report.atOrigin;
  if (failed && std::getenv("KW_SOAK_EXPLAIN")) Explain(seen.samples, upZ, streamed);
  if (!report.toolUp) report.problem = "tool at Z " + std::to_string(seen.z) + " pulses";
  else if (!report.atOrigin)
    report.problem = "head at (" + std::to_string(seen.x) + ", " + std::to_string(seen.y) + ")" +
                     (seen.moving ? " still moving" : "");
  else if (!wrong.empty()) report.problem = wrong;
}

RunSummary RunJob(JobRun& run, pathcore::CPathObj& doc, JobReport& report) {
  try {
    return run.Run(doc, RunOptions{});
  } catch (const std::exception& e) {
    report.problem = e.what();
  }
  RunSummary threw;
  threw.started = true;
  return threw;
}

}  // namespace

JobReport RunSoakJob(AxisnetApi& library, const SoakOptions& options, uint32_t seed, int index) {
  std::seed_seq seeds{seed, static_cast<uint32_t>(index)};
  std::mt19937 random(seeds);
  const JobPlan plan = PlanJob(random);
  JobReport report;
  report.silence = plan.silenceLength.count() > 0;
  report.stopPlanned = plan.stopAfter.count() >= 0;
  report.paths = static_cast<int32_t>(plan.paths.size());

  axissim::SimConfig config;
  config.speedup = options.speedup;
  axissim::Simulator sim(config);
  MachineSettings s = kw::test::SampleSettings(sim.Start(0));
  RecordingAxisnet axisnet(library);
  CYdkz ydkz(axisnet, s);
  library.SetTimeOut(options.replyTimeoutMs);
  library.SetReSend(options.resends);
  if (ydkz.OpenPort("") != 0 || ydkz.Connect() != 0) {
    report.problem = "the simulator did not answer the connection";
    return report;
  }
  pathcore::CPathObj doc;
  CCutLayer layers;
  CLayerMap map;
  BuildDocument(plan, doc);
  PrepareRun(doc, layers, s, false);

  SoakHost host;
  const Clock::time_point start = Clock::now();
  if (report.stopPlanned) host.stopAt = start + plan.stopAfter;
  sim.SetFaults(FaultsFrom(plan, start));
  JobRun run(axisnet, ydkz, s, layers, map, host);
  const RunSummary summary = RunJob(run, doc, report);
  report.outcome = report.problem.empty() ? OutcomeOf(summary) : Outcome::Threw;
  report.faults = sim.FaultsInjected();
  sim.SetFaults({});
  CheckMachine(sim, s, axisnet.Streamed(), report);
  ydkz.DisConnect();
  sim.Stop();
  return report;
}

}  // namespace kw::soak
