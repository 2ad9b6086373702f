// A job on a controller from the command line: settings from a folder, the
// drawings opened as File Open opens them, the run's preparation and the run
// itself, with Ctrl-C as the stop button and progress on stderr.
#pragma once

#include <string>
#include <vector>

#include "import_files.h"
#include "machine/axisnet_api.h"
#include "machine/job_run.h"

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
  ImportOptions import;
};

struct MachineJobResult {
  kw::RunSummary run;
  int32_t paths = 0;
  double cutLength = 0;     // mm, the document's cut length
  double travelLength = 0;  // mm, the document's empty moves
  std::string error;        // why the job did not start, when it did not
};

// "HOST:PORT" into its parts; false when malformed.
bool ParseController(const std::string& text, std::string& address, int& port);

// --folder, the import options and, with withJob, --selection,
// --no-autolayout and --force; with withController also the required
// --controller HOST:PORT, checked as it is parsed.
void AddMachineJobOptions(CLI::App& command, MachineJobArgs& args, bool withJob, bool withController);

// Loads the settings, opens the drawings, connects, (homes,) checks, prepares
// and runs. False with result.error when the job could not start.
bool RunMachineJob(const MachineJobArgs& args, kw::AxisnetApi& axisnet, MachineJobResult& result);

// One line: paths, what ran, lengths and how the run ended.
void PrintRunSummary(const MachineJobResult& result);

// Homes the machine at the settings' (or the given) controller.
bool HomeMachine(const MachineJobArgs& args, kw::AxisnetApi& axisnet, std::string& error);

}  // namespace kw::cli
