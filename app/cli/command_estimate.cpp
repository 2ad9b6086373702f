// kerfwright-cli estimate: how long each drawing's job keeps the machine busy,
// worked out from the settings' motion values without a controller.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <memory>

#include "commands.h"
#include "input_files.h"
#include "machine_job.h"

namespace kw::cli {
namespace {

// "about" is the job's duration with X and Y travelling together; the motion
// time counts every axis on its own, as the simulator's "motion time" does.
void PrintEstimate(const std::string& name, int32_t paths, double seconds, double axisSeconds) {
  std::printf("%s: %d paths, about %.1f s, motion time %.1f s\n", name.c_str(), paths, seconds, axisSeconds);
}

int RunEstimate(const MachineJobArgs& args) {
  int32_t paths = 0;
  double seconds = 0, axisSeconds = 0;
  for (const std::string& file : args.files) {
    MachineJobArgs one = args;
    one.files = {file};
    JobEstimate job;
    if (!EstimateMachineJob(one, job)) return ReportJobError("estimate", job.error, job.badArgument);
    PrintEstimate(file, job.paths, job.estimate.TotalSeconds(), job.estimate.axisSeconds);
    paths += job.paths;
    seconds += job.estimate.TotalSeconds();
    axisSeconds += job.estimate.axisSeconds;
  }
  if (args.files.size() > 1) PrintEstimate("total", paths, seconds, axisSeconds);
  return 0;
}

}  // namespace

Command AddEstimate(CLI::App& program) {
  auto args = std::make_shared<MachineJobArgs>();
  auto* command = program.add_subcommand(
      "estimate", "Estimate how long run takes for each drawing, one line each and the total");
  AddInputFiles(*command, args->files, kDrawingFilesHelp);
  AddMachineJobOptions(*command, *args, true, false);
  return {command, [args] { return RunEstimate(*args); }};
}

}  // namespace kw::cli
