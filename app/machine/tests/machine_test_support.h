// Helpers shared by the machine tests: a private program folder per test and
// whole-file reads and writes.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "pathcore/document/app_path.h"

namespace kwtest {

// Points the program folder at a fresh temporary folder for the life of the
// test, and removes it afterwards.
class ProgramFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "kwmachine-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    pathcore::SetAppPath(folder_);
  }
  void TearDown() override {
    pathcore::SetAppPath({});
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
  }
  const std::filesystem::path& Folder() const { return folder_; }
  std::filesystem::path InFolder(const std::string& name) const { return folder_ / name; }

 private:
  std::filesystem::path folder_;
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

}  // namespace kwtest
