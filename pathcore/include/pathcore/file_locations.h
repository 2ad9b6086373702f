// Where the program keeps its settings, its scratch files (undo snapshots,
// temporary files) and reads its language files: beside the program when it
// runs portable, in the user's folders when it is installed.
#pragma once

#include <filesystem>
#include <string>

namespace kw::pathcore {

// The environment variables the choice reads; empty when unset.
struct LocationEnvironment {
  std::string home;
  std::string xdgConfigHome;
  std::string xdgCacheHome;
};

struct FileLocations {
  std::filesystem::path settings;   // holds Setting.ini
  std::filesystem::path scratch;    // undo snapshots (DocBk/) and temporary files
  std::filesystem::path languages;  // holds Language<n>.sys
  bool installed = false;
};

// The one rule: the program runs portable (everything in its own folder, as in
// the build tree, a copied folder or the tests) when that folder holds a
// writable Setting.ini, or when the folder is writable and is not the bin/ of
// an installed copy, i.e. has no ../share/kerfwright beside it. Otherwise it
// is installed: Setting.ini in $XDG_CONFIG_HOME/kerfwright (default
// ~/.config/kerfwright), scratch files in $XDG_CACHE_HOME/kerfwright (default
// ~/.cache/kerfwright), language files in <program folder>/../share/kerfwright.
// Relative XDG values are ignored, as the XDG base directory rules ask.
FileLocations ResolveFileLocations(const std::filesystem::path& programFolder, const LocationEnvironment& env);

// The environment of this process.
LocationEnvironment CurrentLocationEnvironment();

// The locations for AppPath() and this process's environment.
FileLocations CurrentFileLocations();

// The settings and scratch folders of CurrentFileLocations(), created when
// missing (the user's folders may not exist yet on a first start).
std::filesystem::path SettingsFolder();
std::filesystem::path ScratchFolder();

}  // namespace kw::pathcore
