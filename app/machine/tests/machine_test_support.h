// Helpers shared by the machine tests: a private program folder per test and
// whole-file reads and writes.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "testsupport/temp_app_path.h"

namespace kw::test {

// A private program folder per test, as the document tests have it.
class ProgramFolderTest : public TempAppPath {
 protected:
  std::filesystem::path InFolder(const std::string& name) const { return Folder() / name; }
};

inline void WriteFile(const std::filesystem::path& file, const std::string& text) {
  std::ofstream(file, std::ios::binary) << text;
}

inline std::string ReadFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

}  // namespace kw::test
