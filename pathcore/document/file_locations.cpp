#include "pathcore/file_locations.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

#include "pathcore/app_path.h"

namespace kw::pathcore {
namespace {

namespace fs = std::filesystem;

constexpr const char* kProgramName = "kerfwright";

bool Writable(const fs::path& p) { return access(p.c_str(), W_OK) == 0; }

fs::path InstalledShareFolder(const fs::path& programFolder) {
  return (programFolder / ".." / "share" / kProgramName).lexically_normal();
}

bool RunsPortable(const fs::path& programFolder) {
  std::error_code ec;
  const auto settings = programFolder / "Setting.ini";
  if (fs::is_regular_file(settings, ec) && Writable(settings)) return true;
  return Writable(programFolder) && !fs::is_directory(InstalledShareFolder(programFolder), ec);
}

// An XDG variable when it names an absolute folder, else the fallback under HOME.
fs::path UserFolder(const std::string& xdg, const std::string& home, const char* fallback) {
  if (!xdg.empty() && fs::path(xdg).is_absolute()) return fs::path(xdg) / kProgramName;
  if (!home.empty()) return fs::path(home) / fallback / kProgramName;
  // No home at all (a service account): the temporary folder is all there is.
  std::error_code ec;
  return fs::temp_directory_path(ec) / (std::string(kProgramName) + "-" + std::to_string(getuid()));
}

fs::path Created(const fs::path& folder) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  return folder;
}

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace

FileLocations ResolveFileLocations(const fs::path& programFolder, const LocationEnvironment& env) {
  if (RunsPortable(programFolder)) return {programFolder, programFolder, programFolder, false};
  return {UserFolder(env.xdgConfigHome, env.home, ".config"), UserFolder(env.xdgCacheHome, env.home, ".cache"),
          InstalledShareFolder(programFolder), true};
}

LocationEnvironment CurrentLocationEnvironment() {
  return {Variable("HOME"), Variable("XDG_CONFIG_HOME"), Variable("XDG_CACHE_HOME")};
}

FileLocations CurrentFileLocations() { return ResolveFileLocations(AppPath(), CurrentLocationEnvironment()); }

fs::path SettingsFolder() { return Created(CurrentFileLocations().settings); }

fs::path ScratchFolder() { return Created(CurrentFileLocations().scratch); }

}  // namespace kw::pathcore
