// Test helpers every test program may use: a private program folder per test
// and short ways to build paths through the document's public calls.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "pathcore/app_path.h"
#include "pathcore/path_obj.h"

namespace kw::test {

// Points the library's program folder at a fresh temporary folder for the
// life of the test, and removes it afterwards.
class TempAppPath : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "kwtest-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    kw::pathcore::SetAppPath(folder_);
  }
  void TearDown() override {
    kw::pathcore::SetAppPath({});
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
  }
  const std::filesystem::path& Folder() const { return folder_; }

 private:
  std::filesystem::path folder_;
};

// A path as 1-based arrays (element 0 unused) from a list of points.
struct Path1 {
  std::vector<float> X{0.0f};
  std::vector<float> Y{0.0f};
  Path1(std::initializer_list<std::pair<float, float>> points) {
    for (const auto& [x, y] : points) {
      X.push_back(x);
      Y.push_back(y);
    }
  }
};

inline void Add(kw::pathcore::CPathObj& doc, std::initializer_list<std::pair<float, float>> points, int16_t layer = 0) {
  const Path1 p(points);
  doc.AddPath(p.X, p.Y, layer);
}

}  // namespace kw::test
