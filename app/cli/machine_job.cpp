#include "machine_job.h"

#include <CLI/CLI.hpp>
#include <charconv>
#include <cstdint>
#include <cstdio>

#include "cli_run_host.h"
#include "machine/axisnet_binding.h"
#include "machine/cut_layer.h"
#include "machine/cydkz.h"
#include "machine/homing_sequence.h"
#include "machine/language_files.h"
#include "machine/layer_map.h"
#include "machine/machine_settings.h"
#include "machine/planned_paths.h"
#include "machine/run_preparation.h"
#include "machine/settings_file.h"
#include "pathcore/file_locations.h"
#include "support/number_option.h"
#include "user_language.h"

namespace kw::cli {
namespace {

// The process-wide settings from the folder's Setting.ini, with the tool
// heights computed and the controller from the command line.
kw::MachineSettings& LoadSettingsFor(const MachineJobArgs& args) {
  const std::filesystem::path folder = args.folder.empty() ? kw::pathcore::SettingsFolder() : std::filesystem::path(args.folder);
  auto loaded = kw::LoadSettings(folder / "Setting.ini");
  for (const auto& problem : loaded.problems) std::fprintf(stderr, "settings: %s\n", problem.c_str());
  kw::MachineSettings& s = kw::Settings();
  s = loaded.settings;  // the language too: messages follow this folder's choice
  KeepLanguageToFiles(s);
  kw::ComputeToolHeights(s);
  if (!args.address.empty()) s.ControllerAddress = args.address;
  if (args.port > 0) s.ControllerPort = args.port;
  return s;
}

bool Connect(kw::CYdkz& ydkz, const kw::MachineSettings& s, std::string& error) {
  if (ydkz.OpenPort("") != 0 || ydkz.Connect() != 0) {
    error = "no controller answers at " + s.ControllerAddress + ":" + std::to_string(s.ControllerPort);
    return false;
  }
  return true;
}

// The run's --from within the job's paths; false with a message otherwise.
bool FromPathFits(int32_t fromPath, size_t paths, std::string& error) {
  if (fromPath <= static_cast<int64_t>(paths)) return true;
  error = "--from: " + std::to_string(fromPath) + " is out of range (1.." + std::to_string(paths) +
          "): the job has " + std::to_string(paths) + " paths";
  return false;
}

}  // namespace

bool ParseController(const std::string& text, std::string& address, int& port) {
  const size_t colon = text.rfind(':');
  if (colon == std::string::npos || colon == 0) return false;
  const char* first = text.data() + colon + 1;
  const char* last = text.data() + text.size();
  const auto [end, ec] = std::from_chars(first, last, port);
  if (ec != std::errc() || end != last || port <= 0 || port > 65535) return false;
  address = text.substr(0, colon);
  return true;
}

void AddMachineJobOptions(CLI::App& command, MachineJobArgs& args, bool withJob, bool withController) {
  if (withController) {
    command
        .add_option_function<std::string>(
            "--controller",
            [&args](const std::string& text) {
              if (!ParseController(text, args.address, args.port)) {
                throw CLI::ValidationError("--controller", "\"" + text + "\" is not HOST:PORT with a port 1..65535");
              }
            },
            "the controller's address and UDP port")
        ->type_name("HOST:PORT")
        ->required();
  }
  command.add_option("--folder", args.folder, "the folder of Setting.ini (default: the program's folder, or ~/.config/kerfwright when installed)")
      ->type_name("DIR");
  if (!withJob) return;
  command.add_flag("--selection", args.selection, "run only the selected paths");
  command.add_flag_callback("--no-autolayout", [&args] { args.autoLayout = false; },
                            "do not place the job by the settings' auto layout");
  command.add_flag("--force", args.force, "run even without a home reference");
  kw::AddNumberOption<int32_t>(command, "--from", args.fromPath, 1, INT32_MAX,
                               "start at this path (1-based, in run order as the progress counts); the "
                               "paths before it are passed over")
      ->type_name("N");
  AddImportOptions(command, args.import);
}

bool RunMachineJob(const MachineJobArgs& args, kw::AxisnetApi& axisnet, MachineJobResult& result) {
  kw::MachineSettings& s = LoadSettingsFor(args);
  kw::pathcore::CPathObj doc;
  LayerTables tables;  // a project's own, else the program's defaults
  if (!ImportFiles(doc, tables, args.files, args.import, result.error)) return false;
  doc.SetPathPos(0, 0);  // the job's bottom-right corner at the machine origin, as File Open places it
  kw::QuietAxisnetTrace();  // the command line shows its own progress
  kw::CYdkz ydkz(axisnet, s);
  if (!Connect(ydkz, s, result.error)) return false;
  CliRunHost host;
  if (args.homeFirst && !kw::GoHome(ydkz, s, host).homed) {
    result.error = "homing did not finish";
    return ydkz.DisConnect(), false;
  }
  if (!kw::LiftAndCheckHomeReference(ydkz, s) && !args.force) {
    result.error = kw::MessageText(kw::kNoHomeReferenceKey) + " (--force runs anyway)";
    return ydkz.DisConnect(), false;
  }
  if (const int bad = kw::PrepareRun(doc, tables.cutLayers, s, args.autoLayout && s.AutoLayout); bad >= 0) {
    result.error = "working speed " + std::to_string(bad) + " is not a positive number";
    return ydkz.DisConnect(), false;
  }
  kw::RunOptions options = kw::RunOptionsFromSettings(s, args.selection);
  options.fromPath = args.fromPath;
  if (args.fromPath > 1 &&
      !FromPathFits(args.fromPath, kw::PlannedPaths(doc, s, tables.cutLayers, tables.layerMap, args.selection).size(),
                    result.error)) {
    result.badArgument = true;
    return ydkz.DisConnect(), false;
  }
  kw::JobRun run(axisnet, ydkz, s, tables.cutLayers, tables.layerMap, host);
  result.run = run.Run(doc, options);
  host.FinishProgress();
  result.paths = doc.Count();
  result.cutLength = doc.ObjLong();
  result.travelLength = doc.MoveLong();
  ydkz.DisConnect();
  return true;
}

bool EstimateMachineJob(const MachineJobArgs& args, JobEstimate& out) {
  kw::MachineSettings& s = LoadSettingsFor(args);
  kw::pathcore::CPathObj doc;
  LayerTables tables;
  if (!ImportFiles(doc, tables, args.files, args.import, out.error)) return false;
  doc.SetPathPos(0, 0);
  if (const int bad = kw::PrepareRun(doc, tables.cutLayers, s, args.autoLayout && s.AutoLayout); bad >= 0) {
    out.error = "working speed " + std::to_string(bad) + " is not a positive number";
    return false;
  }
  kw::RunOptions options = kw::RunOptionsFromSettings(s, args.selection);
  options.fromPath = args.fromPath;
  const auto paths = kw::PlannedPaths(doc, s, tables.cutLayers, tables.layerMap, args.selection);
  out.paths = static_cast<int32_t>(paths.size());
  if (args.fromPath > 1 && !FromPathFits(args.fromPath, paths.size(), out.error)) {
    out.badArgument = true;
    return false;
  }
  const double jobYmax = args.selection ? doc.SelYMax() : doc.Ymax();
  out.estimate = kw::EstimateRun(paths, s, tables.cutLayers, options, {0, 0, s.ZPos_Up}, jobYmax);
  return true;
}

int ReportJobError(const char* command, const std::string& error, bool badArgument) {
  std::fprintf(stderr, "kerfwright-cli %s: %s\n", command, error.c_str());
  if (!badArgument) return 1;
  std::fprintf(stderr, "Run 'kerfwright-cli %s --help' for the usage.\n", command);
  return 2;
}

bool HomeMachine(const MachineJobArgs& args, kw::AxisnetApi& axisnet, std::string& error) {
  kw::MachineSettings& s = LoadSettingsFor(args);
  kw::QuietAxisnetTrace();
  kw::CYdkz ydkz(axisnet, s);
  if (!Connect(ydkz, s, error)) return false;
  CliRunHost host;
  const kw::HomingResult homed = kw::GoHome(ydkz, s, host);
  ydkz.DisConnect();
  if (!homed.homed) error = homed.cancelled ? "homing cancelled" : "homing did not finish";
  return homed.homed;
}

}  // namespace kw::cli
