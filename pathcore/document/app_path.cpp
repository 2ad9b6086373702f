#include "pathcore/app_path.h"

#include <unistd.h>

#include <system_error>

namespace kw::pathcore {
namespace {

std::filesystem::path& OverriddenAppPath() {
  static std::filesystem::path folder;
  return folder;
}

std::filesystem::path ExecutableFolder() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return std::filesystem::current_path(ec);
  return exe.parent_path();
}

}  // namespace

std::filesystem::path AppPath() {
  const auto& folder = OverriddenAppPath();
  return folder.empty() ? ExecutableFolder() : folder;
}

void SetAppPath(const std::filesystem::path& folder) { OverriddenAppPath() = folder; }

std::string InstancePrefix() { return std::to_string(static_cast<long>(getpid())); }

}  // namespace kw::pathcore
