// The files a library instance leaves in the program folder: undo snapshots
// and temporary images, all named with the instance prefix.
#pragma once

#include <filesystem>
#include <string>

namespace kw::pathcore {

// Deletes the files of `folder` whose names start with `prefix` followed by a
// character that is not a digit, so that instance 12 never deletes the files
// of instance 123. Errors are ignored.
void DeleteInstanceFiles(const std::filesystem::path& folder, const std::string& prefix);

}  // namespace kw::pathcore
