#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/file_replace.h"

namespace {

namespace fs = std::filesystem;

class FileReplace : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "kwreplace-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
  }
  void TearDown() override { fs::remove_all(folder_); }
  fs::path folder_;
};

TEST_F(FileReplace, ReplacesTheFileWhole) {
  const fs::path file = folder_ / "a.rpt";
  ASSERT_TRUE(kw::WriteFileReplacing(file, std::string_view("old")));
  ASSERT_TRUE(kw::WriteFileReplacing(file, std::string_view("newer")));
  EXPECT_EQ(kw::ReadWholeFile(file), (std::vector<uint8_t>{'n', 'e', 'w', 'e', 'r'}));
  EXPECT_FALSE(fs::exists(folder_ / "a.rpt.part"));
}

TEST_F(FileReplace, AFolderInTheTemporarysPlaceStopsTheWriteAndStays) {
  const fs::path file = folder_ / "a.rpt";
  ASSERT_TRUE(kw::WriteFileReplacing(file, std::string_view("old")));
  fs::create_directory(folder_ / "a.rpt.part");
  EXPECT_FALSE(kw::WriteFileReplacing(file, std::string_view("new")));
  EXPECT_EQ(kw::ReadWholeFile(file), (std::vector<uint8_t>{'o', 'l', 'd'}));
  EXPECT_TRUE(fs::is_directory(folder_ / "a.rpt.part")) << "not ours to remove";
}

}  // namespace
