// kerfwright-cli settings: prints every setting of a folder's Setting.ini, or
// writes one, a quick way to prepare a machine configuration.
#include <cstdio>
#include <iostream>

#include "commands.h"
#include "machine/settings_file.h"
#include "pathcore/app_path.h"

namespace kw::cli {

int RunSettings(const std::vector<std::string>& args) {
  std::filesystem::path folder = kw::pathcore::AppPath();
  std::vector<std::string> assignments;
  for (size_t i = 0; i < args.size(); ++i) {
    if ((args[i] == "--folder" || args[i] == "--set") && i + 1 < args.size()) {
      if (args[i] == "--folder") folder = args[++i];
      else assignments.push_back(args[++i]);
    } else {
      std::fputs("usage: kerfwright-cli settings [--folder DIR] [--set SECTION/KEY=VALUE]...\n", stderr);
      return 2;
    }
  }
  const auto file = folder / "Setting.ini";
  for (const auto& assignment : assignments) {
    if (const auto problem = kw::WriteSettingAssignment(file, assignment)) {
      std::fprintf(stderr, "kerfwright-cli settings: %s\n", problem->c_str());
      return 1;
    }
  }
  if (!assignments.empty()) return 0;
  const auto loaded = kw::LoadSettings(file);
  for (const auto& problem : loaded.problems) std::fprintf(stderr, "kerfwright-cli settings: %s\n", problem.c_str());
  kw::PrintSettings(std::cout, loaded.settings);
  return 0;
}

}  // namespace kw::cli
