// kerfwright-cli simulate: the job of run, against the simulated controller
// started in this process on 127.0.0.1, homed first; then a summary and a
// picture of what the machine did.
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "commands.h"
#include "job_picture.h"
#include "machine_job.h"
#include "machine/axisnet_binding.h"
#include "machine/machine_settings.h"
#include "axissim/simulator.h"

namespace kw::cli {
namespace {

struct SimulateArgs {
  MachineJobArgs job;
  std::string png, svg;
  double speedup = 50;
};

bool ParseSimulateArgs(const std::vector<std::string>& args, SimulateArgs& out, std::string& error) {
  std::vector<std::string> rest;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if ((a == "--png" || a == "--svg" || a == "--speedup") && i + 1 < args.size()) {
      const std::string& v = args[++i];
      if (a == "--png") out.png = v;
      else if (a == "--svg") out.svg = v;
      else out.speedup = std::strtod(v.c_str(), nullptr);
    } else {
      rest.push_back(a);
    }
  }
  if (!(out.speedup >= 1 && out.speedup <= 10000)) return error = "--speedup must be 1..10000", false;
  if (!ParseMachineJobArgs(rest, out.job, error, false)) return false;
  if (out.job.files.empty()) return error = "no file given", false;
  return true;
}

double MotionSeconds(kw::axissim::Simulator& sim) {
  return sim.With([](kw::axissim::Machine& m, const auto&) { return m.MotionSeconds(); });
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int RunSimulate(const std::vector<std::string>& args) {
  SimulateArgs parsed;
  std::string error;
  if (!ParseSimulateArgs(args, parsed, error)) {
    std::fprintf(stderr, "kerfwright-cli simulate: %s\nusage: kerfwright-cli simulate FILE... [--png OUT.png] "
                 "[--svg OUT.svg] [--speedup K] [--folder DIR] [--selection] [--no-autolayout]\n", error.c_str());
    return 2;
  }
  kw::axissim::SimConfig config;
  config.speedup = parsed.speedup;
  kw::axissim::Simulator sim(config);
  parsed.job.address = "127.0.0.1";
  parsed.job.port = sim.Start(0);
  if (!HomeMachine(parsed.job, kw::Axisnet(), error)) {
    std::fprintf(stderr, "kerfwright-cli simulate: %s\n", error.c_str());
    return 1;
  }
  const double homingMotion = MotionSeconds(sim);
  sim.With([](kw::axissim::Machine& m, const auto&) { m.Path().Clear(); });  // the picture shows the job
  const auto jobStart = std::chrono::steady_clock::now();
  MachineJobResult result;
  if (!RunMachineJob(parsed.job, kw::Axisnet(), result)) {
    std::fprintf(stderr, "kerfwright-cli simulate: %s\n", result.error.c_str());
    return 1;
  }
  const double jobWall = SecondsSince(jobStart);
  PrintRunSummary(result);
  // Motion time is what the machine's moves take, whatever the speed-up; the
  // wall time also holds the host's own pauses, which the speed-up does not shorten.
  std::printf("motion time %.1f s for the job, %.1f s for homing (simulated clock, axes moving)\n",
              MotionSeconds(sim) - homingMotion, homingMotion);
  std::printf("wall time %.1f s for the job at speed-up %g\n", jobWall, parsed.speedup);
  if (!parsed.svg.empty()) sim.WriteSvg(parsed.svg);
  if (!parsed.png.empty()) {
    const auto samples = sim.With([](kw::axissim::Machine& m, const auto&) { return m.Path().Samples(); });
    if (!WriteJobPicture(samples, kw::Settings(), parsed.png)) {
      std::fprintf(stderr, "kerfwright-cli simulate: %s: cannot be written\n", parsed.png.c_str());
      return 1;
    }
    std::printf("picture of what the machine did: %s\n", parsed.png.c_str());
  }
  sim.Stop();
  return result.run.started && !result.run.stopped ? 0 : 1;
}

}  // namespace kw::cli
