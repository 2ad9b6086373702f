#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "doc_test_support.h"

namespace {

using kw::test::Add;
using kw::test::PointsOf;
using kw::test::StoreOf;
using Points = std::vector<std::pair<float, float>>;

class PointListTextTest : public kw::test::TempAppPath {
 protected:
  std::string Read(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  void Write(const std::filesystem::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
  }
};

TEST_F(PointListTextTest, SaveWritesEveryPointInTheDefaultSingleForm) {
  kw::pathcore::CPathObj doc;
  Add(doc, {{0.1f, -2.5f}, {100000000.0f, 0}});
  Add(doc, {{-0.000025f, 3}}, 4);
  const auto file = Folder() / "points.txt";
  ASSERT_EQ(doc.SaveToDat(file.string()), 0);
  EXPECT_EQ(Read(file), "0.1,-2.5\r\n1E+08,0\r\n-2.5E-05,3\r\n");
}

TEST_F(PointListTextTest, SavedPointsComeBackAsOneJoinedPath) {
  kw::pathcore::CPathObj doc;
  Add(doc, {{1, 2}, {3, 4}});
  Add(doc, {{5.5f, 6}, {7, -8.25f}, {9, 10}});
  const auto file = Folder() / "points.txt";
  ASSERT_EQ(doc.SaveToDat(file.string()), 0);
  kw::pathcore::CPathObj other;
  ASSERT_EQ(other.OpenToDat(file.string()), 0);
  ASSERT_EQ(other.Count(), 1);
  EXPECT_EQ(PointsOf(StoreOf(other), 1), (Points{{1, 2}, {3, 4}, {5.5f, 6}, {7, -8.25f}, {9, 10}}));
  EXPECT_EQ(StoreOf(other).ObjLayer[1], 0);
  EXPECT_EQ(other.Ymin(), -8.25);
}

TEST_F(PointListTextTest, OpenAcceptsLineOrCommaSeparatedPairs) {
  const auto file = Folder() / "mixed.txt";
  Write(file, "1,2,3\n4\r\n  5 , 6\n\n");
  kw::pathcore::CPathObj doc;
  ASSERT_EQ(doc.OpenToDat(file.string()), 0);
  EXPECT_EQ(PointsOf(StoreOf(doc), 1), (Points{{1, 2}, {3, 4}, {5, 6}}));
}

TEST_F(PointListTextTest, FilesWithoutCompletePairsAddNothing) {
  kw::pathcore::CPathObj doc;
  Add(doc, {{0, 0}, {1, 1}});
  for (const char* text : {"", "\r\n", "1,2,3", "1,2\nend,4"}) {
    const auto file = Folder() / "bad.txt";
    Write(file, text);
    EXPECT_EQ(doc.OpenToDat(file.string()), -1) << text;
  }
  EXPECT_EQ(doc.OpenToDat((Folder() / "missing.txt").string()), -1);
  EXPECT_EQ(doc.Count(), 1);
}

TEST_F(PointListTextTest, FailedSaveLeavesTheOldFile) {
  kw::pathcore::CPathObj doc;
  Add(doc, {{0, 0}, {1, 1}});
  const auto file = Folder() / "keep.txt";
  Write(file, "old");
  std::filesystem::create_directory(Folder() / "keep.txt.part");  // the temporary cannot be made
  EXPECT_EQ(doc.SaveToDat(file.string()), -1);
  EXPECT_EQ(Read(file), "old");
  EXPECT_EQ(doc.SaveToDat((Folder() / "no" / "such.txt").string()), -1);
}

}  // namespace
