// The program folder ("App.Path") and the per-instance file-name prefix that
// the document uses for its undo snapshots and temporary files.
#pragma once

#include <filesystem>
#include <string>

namespace kw::pathcore {

// The folder of the running executable, unless SetAppPath chose another one
// (tests point it at a temporary folder).
std::filesystem::path AppPath();
void SetAppPath(const std::filesystem::path& folder);

// The decimal number that prefixes this library instance's file names.
std::string InstancePrefix();

}  // namespace kw::pathcore
