// Helpers shared by the document tests: a private program folder per test
// and short ways to build paths.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "pathcore/document/app_path.h"
#include "pathcore/document/library_state.h"
#include "pathcore/document/path_obj.h"
#include "pathcore/document/path_obj_internals.h"

namespace kwtest {

// Points the library's program folder at a fresh temporary folder for the
// life of the test, and removes it afterwards.
class TempAppPath : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "kwtest-XXXXXX").string();
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

 private:
  std::filesystem::path folder_;
};

// The editing tests: a private program folder, English progress texts, and
// a way to select objects.
class EditingTest : public TempAppPath {
 protected:
  void SetUp() override {
    TempAppPath::SetUp();
    pathcore::SetLibraryLanguage(1);
  }
  void TearDown() override {
    pathcore::SetLibraryLanguage(0);
    TempAppPath::TearDown();
  }
  void Select(pathcore::CPathObj& doc, std::initializer_list<int32_t> objects);
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

inline pathcore::PathStore& StoreOf(pathcore::CPathObj& doc) { return pathcore::CPathObjInternals::Store(doc); }

inline void Add(pathcore::CPathObj& doc, std::initializer_list<std::pair<float, float>> points, int16_t layer = 0) {
  const Path1 p(points);
  StoreOf(doc).AddPath(p.X, p.Y, layer);
}

// The points of object k as (x, y) pairs.
inline std::vector<std::pair<float, float>> PointsOf(const pathcore::PathStore& s, int32_t k) {
  std::vector<std::pair<float, float>> out;
  for (int32_t i = s.ObjStart[k]; i <= s.LastPointOf(k); ++i) out.emplace_back(s.PointX[i], s.PointY[i]);
  return out;
}

inline void EditingTest::Select(pathcore::CPathObj& doc, std::initializer_list<int32_t> objects) {
  for (int32_t k : objects) StoreOf(doc).ObjSel[k] = 1;
}

}  // namespace kwtest
