// kerfwright-cli settings: prints every setting of a folder's Setting.ini, or
// writes one, a quick way to prepare a machine configuration.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <iostream>
#include <memory>

#include "commands.h"
#include "machine/settings_file.h"
#include "pathcore/file_locations.h"

namespace kw::cli {

namespace {

struct SettingsArgs {
  std::string folder;  // empty: the settings folder (FileLocations)
  std::vector<std::string> assignments;
};

int RunSettings(const SettingsArgs& args) {
  const std::filesystem::path folder = args.folder.empty() ? kw::pathcore::SettingsFolder() : std::filesystem::path(args.folder);
  const auto file = folder / "Setting.ini";
  for (const auto& assignment : args.assignments) {
    if (const auto problem = kw::WriteSettingAssignment(file, assignment)) {
      std::fprintf(stderr, "kerfwright-cli settings: %s\n", problem->c_str());
      return 1;
    }
  }
  if (!args.assignments.empty()) return 0;
  const auto loaded = kw::LoadSettings(file);
  for (const auto& problem : loaded.problems) std::fprintf(stderr, "kerfwright-cli settings: %s\n", problem.c_str());
  kw::PrintSettings(std::cout, loaded.settings);
  return 0;
}

}  // namespace

Command AddSettings(CLI::App& program) {
  auto args = std::make_shared<SettingsArgs>();
  auto* command = program.add_subcommand(
      "settings", "Print the settings of Setting.ini, or write some");
  command->add_option("--folder", args->folder, "the folder of Setting.ini (default: the program's folder, or ~/.config/kerfwright when installed)")
      ->type_name("DIR");
  command->add_option("--set", args->assignments, "write one setting instead of printing them; repeatable")
      ->type_name("SECTION/KEY=VALUE")
      ->allow_extra_args(false);
  return {command, [args] { return RunSettings(*args); }};
}

}  // namespace kw::cli
