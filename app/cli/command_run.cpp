// kerfwright-cli run and home: a job, or the homing sequence, on a controller.
#include <cstdio>

#include "commands.h"
#include "machine_job.h"
#include "machine/axisnet_binding.h"

namespace kw::cli {

void PrintRunSummary(const MachineJobResult& r) {
  std::printf("paths %d, run %d, skipped %d, cut %.1f mm (document %.1f mm), travel %.1f mm%s%s%s\n", r.paths,
              r.run.pathsRun, r.run.pathsSkipped, r.run.cutLength, r.cutLength, r.travelLength,
              r.run.stopped ? ", stopped" : "", r.run.communicationFailed ? ", controller lost" : "",
              r.run.cutOff ? ", paper cut off" : "");
}

int RunRun(const std::vector<std::string>& args) {
  MachineJobArgs parsed;
  std::string error;
  if (!ParseMachineJobArgs(args, parsed, error, true) || parsed.files.empty()) {
    std::fprintf(stderr, "kerfwright-cli run: %s\nusage: kerfwright-cli run FILE... --controller HOST:PORT "
                 "[--folder DIR] [--selection] [--no-autolayout] [--force]\n", error.c_str());
    return 2;
  }
  MachineJobResult result;
  if (!RunMachineJob(parsed, kw::Axisnet(), result)) {
    std::fprintf(stderr, "kerfwright-cli run: %s\n", result.error.c_str());
    return 1;
  }
  PrintRunSummary(result);
  return result.run.started && !result.run.stopped ? 0 : 1;
}

int RunHome(const std::vector<std::string>& args) {
  MachineJobArgs parsed;
  std::string error;
  if (!ParseMachineJobArgs(args, parsed, error, true) || !parsed.files.empty()) {
    std::fprintf(stderr, "kerfwright-cli home: %s\nusage: kerfwright-cli home --controller HOST:PORT [--folder DIR]\n",
                 error.c_str());
    return 2;
  }
  if (!HomeMachine(parsed, kw::Axisnet(), error)) {
    std::fprintf(stderr, "kerfwright-cli home: %s\n", error.c_str());
    return 1;
  }
  std::printf("homed\n");
  return 0;
}

}  // namespace kw::cli
