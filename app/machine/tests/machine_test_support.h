// Helpers shared by the machine tests: a private program folder per test and
// whole-file reads and writes.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "testsupport/temp_app_path.h"

namespace kw::test {

// A private program folder per test, as the document tests have it.
class ProgramFolderTest : public TempAppPath {
 protected:
  std::filesystem::path InFolder(const std::string& name) const { return Folder() / name; }
};

// The locale variables for the life of one object; nullptr unsets one. The
// values the process had come back afterwards.
class LocaleEnvironment {
 public:
  LocaleEnvironment(const char* lcAll, const char* lcMessages, const char* lang, const char* language) {
    const std::array<const char*, 4> values{lcAll, lcMessages, lang, language};
    for (size_t i = 0; i < kNames.size(); ++i) {
      if (const char* old = std::getenv(kNames[i])) saved_[i] = old;
      Put(kNames[i], values[i]);
    }
  }
  ~LocaleEnvironment() {
    for (size_t i = 0; i < kNames.size(); ++i) Put(kNames[i], saved_[i] ? saved_[i]->c_str() : nullptr);
  }
  LocaleEnvironment(const LocaleEnvironment&) = delete;
  LocaleEnvironment& operator=(const LocaleEnvironment&) = delete;

 private:
  static void Put(const char* name, const char* value) {
    if (value) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  static constexpr std::array<const char*, 4> kNames{"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"};
  std::array<std::optional<std::string>, 4> saved_;
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
