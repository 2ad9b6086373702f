// kerfwright-cli run and home: a job, or the homing sequence, on a controller.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <memory>

#include "commands.h"
#include "input_files.h"
#include "machine_job.h"
#include "machine/axisnet_binding.h"

namespace kw::cli {

void PrintRunSummary(const MachineJobResult& r) {
  std::printf("paths %d, run %d, skipped %d, cut %.1f mm (document %.1f mm), travel %.1f mm%s%s%s\n", r.paths,
              r.run.pathsRun, r.run.pathsSkipped, r.run.cutLength, r.cutLength, r.travelLength,
              r.run.stopped ? ", stopped" : "", r.run.communicationFailed ? ", controller lost" : "",
              r.run.cutOff ? ", paper cut off" : "");
  if (r.run.pathInProgress > 0)
    std::printf("stopped in path %d (layer %d); --from %d cuts it again and goes on\n", r.run.pathInProgress,
                r.run.layerInProgress, r.run.pathInProgress);
}

namespace {

int RunRun(const MachineJobArgs& args) {
  MachineJobResult result;
  if (!RunMachineJob(args, kw::Axisnet(), result)) return ReportJobError("run", result.error, result.badArgument);
  PrintRunSummary(result);
  return result.run.started && !result.run.stopped ? 0 : 1;
}

int RunHome(const MachineJobArgs& args) {
  std::string error;
  if (!HomeMachine(args, kw::Axisnet(), error)) {
    std::fprintf(stderr, "kerfwright-cli home: %s\n", error.c_str());
    return 1;
  }
  std::printf("homed\n");
  return 0;
}

}  // namespace

Command AddRun(CLI::App& program) {
  auto args = std::make_shared<MachineJobArgs>();
  auto* command = program.add_subcommand(
      "run", "Run the job on a controller; Ctrl-C stops it");
  AddInputFiles(*command, args->files, kDrawingFilesHelp);
  AddMachineJobOptions(*command, *args, true, true);
  return {command, [args] { return RunRun(*args); }};
}

Command AddHome(CLI::App& program) {
  auto args = std::make_shared<MachineJobArgs>();
  auto* command = program.add_subcommand("home", "Run the homing sequence on a controller");
  AddMachineJobOptions(*command, *args, false, true);
  return {command, [args] { return RunHome(*args); }};
}

}  // namespace kw::cli
