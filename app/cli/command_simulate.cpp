// kerfwright-cli simulate: the job of run, against the simulated controller
// started in this process on 127.0.0.1, homed first; then a summary and a
// picture of what the machine did.
#include <CLI/CLI.hpp>
#include <chrono>
#include <cstdio>
#include <memory>

#include "commands.h"
#include "input_files.h"
#include "job_picture.h"
#include "machine_job.h"
#include "machine/axisnet_binding.h"
#include "machine/machine_settings.h"
#include "support/number_option.h"
#include "axissim/simulator.h"

namespace kw::cli {
namespace {

struct SimulateArgs {
  MachineJobArgs job;
  std::string png, svg;
  double speedup = 50;
};

double MotionSeconds(kw::axissim::Simulator& sim) {
  return sim.With([](kw::axissim::Machine& m, const auto&) { return m.MotionSeconds(); });
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

int RunSimulate(SimulateArgs parsed) {
  std::string error;
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
  if (!RunMachineJob(parsed.job, kw::Axisnet(), result))
    return ReportJobError("simulate", result.error, result.badArgument);
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

}  // namespace

Command AddSimulate(CLI::App& program) {
  auto args = std::make_shared<SimulateArgs>();
  auto* command = program.add_subcommand(
      "simulate", "Run the job on a simulated controller and draw it");
  AddInputFiles(*command, args->job.files, kDrawingFilesHelp);
  command->add_option("--png", args->png, "draw what the machine did into this PNG")->type_name("OUT.png");
  command->add_option("--svg", args->svg, "draw the head's path into this SVG")->type_name("OUT.svg");
  kw::AddNumberOption(*command, "--speedup", args->speedup, 1.0, 10000.0,
                      "simulated seconds per real second, 1..10000 (default 50)")
      ->type_name("K");
  AddMachineJobOptions(*command, args->job, true, false);
  return {command, [args] { return RunSimulate(*args); }};
}

}  // namespace kw::cli
