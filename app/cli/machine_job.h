// A job on a controller from the command line: settings from a folder, the
// drawings opened as File Open opens them, the run's preparation and the run
// itself, with Ctrl-C as the stop button and progress on stderr.
#pragma once

#include <string>
#include <vector>

#include "import_files.h"
#include "machine/axisnet_api.h"
#include "machine/job_run.h"
#include "machine/run_estimate.h"

namespace CLI {
class App;
}

namespace kw::cli {

struct MachineJobArgs {
  std::vector<std::string> files;
  std::string folder;         // holds Setting.ini; empty: the program folder
  std::string address;        // the controller; empty: the settings' address
  int port = 0;               // 0: the settings' port
  bool selection = false;
  bool autoLayout = true;
  bool force = false;         // run without a home reference
  bool homeFirst = false;     // run the homing sequence before the job
  int32_t fromPath = 1;       // --from: the 1-based path to start at
  ImportOptions import;
};

struct MachineJobResult {
  kw::RunSummary run;
  int32_t paths = 0;
  double cutLength = 0;     // mm, the document's cut length
  double travelLength = 0;  // mm, the document's empty moves
  std::string error;        // why the job did not start, when it did not
  bool badArgument = false; // the error is the command line's (exit status 2)
};

struct JobEstimate {
  kw::RunEstimate estimate;
  int32_t paths = 0;  // paths the run moves for
  std::string error;
  bool badArgument = false;
};

// "HOST:PORT" into its parts; false when malformed.
bool ParseController(const std::string& text, std::string& address, int& port);

// --folder, the import options and, with withJob, --selection,
// --no-autolayout, --from and --force; with withController also the required
// --controller HOST:PORT, checked as it is parsed.
void AddMachineJobOptions(CLI::App& command, MachineJobArgs& args, bool withJob, bool withController);

// Loads the settings, opens the drawings, connects, (homes,) checks, prepares
// and runs. False with result.error when the job could not start.
bool RunMachineJob(const MachineJobArgs& args, kw::AxisnetApi& axisnet, MachineJobResult& result);

// One line: paths, what ran, lengths and how the run ended.
void PrintRunSummary(const MachineJobResult& result);

// The time the job of args would take on the settings' machine, from the
// origin with the tool up as homing leaves it. False with out.error when the
// drawings cannot be opened or prepared.
bool EstimateMachineJob(const MachineJobArgs& args, JobEstimate& out);

// Prints why a job did not start, for command ("run", ...), and returns the
// exit status: 2 for a bad argument, pointing to the help, else 1.
int ReportJobError(const char* command, const std::string& error, bool badArgument);

// Homes the machine at the settings' (or the given) controller.
bool HomeMachine(const MachineJobArgs& args, kw::AxisnetApi& axisnet, std::string& error);

}  // namespace kw::cli
