#include "scratch_file.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <stdexcept>

namespace kw::fuzz {
namespace {

// Memory-backed when the machine has it, so millions of writes never reach a disk.
std::filesystem::path ScratchFolder() {
  std::error_code ec;
  if (std::filesystem::is_directory("/dev/shm", ec)) return "/dev/shm";
  return std::filesystem::temp_directory_path();
}

}  // namespace

ScratchFile::ScratchFile(const std::string& suffix) {
  std::string pattern = (ScratchFolder() / "kwfuzz-XXXXXX").string() + suffix;
  const int fd = mkstemps(pattern.data(), static_cast<int>(suffix.size()));
  if (fd < 0) throw std::runtime_error("cannot create a scratch file in " + ScratchFolder().string());
  close(fd);
  name_ = pattern;
}

ScratchFile::~ScratchFile() { std::remove(name_.c_str()); }

const std::string& ScratchFile::Write(Bytes input) {
  std::FILE* f = std::fopen(name_.c_str(), "wb");
  if (f == nullptr) throw std::runtime_error("cannot write " + name_);
  const size_t written = input.empty() ? 0 : std::fwrite(input.data(), 1, input.size(), f);
  const bool closed = std::fclose(f) == 0;
  if (written != input.size() || !closed) throw std::runtime_error("cannot write " + name_);
  return name_;
}

}  // namespace kw::fuzz
