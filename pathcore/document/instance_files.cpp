#include "document/instance_files.h"

#include <system_error>
#include <vector>

namespace kw::pathcore {
namespace {

bool NamedForInstance(const std::string& name, const std::string& prefix) {
  if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) return false;
  const char next = name[prefix.size()];
  return next < '0' || next > '9';
}

}  // namespace

void DeleteInstanceFiles(const std::filesystem::path& folder, const std::string& prefix) {
  std::error_code ec;
  std::vector<std::filesystem::path> doomed;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (it->is_regular_file(ec) && NamedForInstance(it->path().filename().string(), prefix)) {
      doomed.push_back(it->path());
    }
  }
  for (const auto& file : doomed) std::filesystem::remove(file, ec);
}

}  // namespace kw::pathcore
