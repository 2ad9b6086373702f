// The recent-file list of the File menu: newest first, at most four names.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace kw {

inline constexpr size_t kMostRecentFiles = 4;

// Name moves to the top: from where it stood when it is already listed
// (compared exactly), else as a new entry, the oldest dropping off a full list.
void AddRecentFile(std::vector<std::string>& names, const std::string& name);

}  // namespace kw
