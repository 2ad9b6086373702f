#include "recent_files.h"

#include <algorithm>

namespace kw {

void AddRecentFile(std::vector<std::string>& names, const std::string& name) {
  const auto found = std::find(names.begin(), names.end(), name);
  if (found != names.end()) {
    std::rotate(names.begin(), found, found + 1);
    return;
  }
  names.insert(names.begin(), name);
  if (names.size() > kMostRecentFiles) names.resize(kMostRecentFiles);
}

}  // namespace kw
