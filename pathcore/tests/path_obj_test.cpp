#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "doc_test_support.h"
#include "document/library_state.h"
#include "document/progress_text.h"

namespace {

using kw::pathcore::ProgressStep;
using kw::pathcore::ProgressText;

class PathObjTest : public kw::test::TempAppPath {
 protected:
  void Touch(const std::filesystem::path& file) { std::ofstream(file) << "x"; }
};

TEST_F(PathObjTest, ProgressTextsFollowTheLanguageRules) {
  EXPECT_EQ(ProgressText(ProgressStep::DistanceOrder, 0), "距离排序");
  EXPECT_EQ(ProgressText(ProgressStep::DistanceOrder, 1), "Distance Order");
  EXPECT_EQ(ProgressText(ProgressStep::Rebuild, 1), "In And Out Order");
  for (auto step : {ProgressStep::RegionNesting, ProgressStep::EdgeSearch, ProgressStep::Merge, ProgressStep::Smooth,
                    ProgressStep::DistanceOrderRebuild}) {
    EXPECT_FALSE(ProgressText(step, 2).has_value());
  }
  EXPECT_EQ(ProgressText(ProgressStep::Explode, 0), "打散成线段");
  EXPECT_EQ(ProgressText(ProgressStep::Explode, 2), "Explode To Lines");
  EXPECT_EQ(ProgressText(ProgressStep::Explode, -1), "Explode To Lines");
  EXPECT_EQ(ProgressText(ProgressStep::WorkData, 1), "正在生成数据");
  EXPECT_EQ(ProgressText(ProgressStep::WorkData, 7), "正在生成数据");
}

TEST_F(PathObjTest, LanguageIsSharedByAllDocuments) {
  kw::pathcore::CPathObj a, b;
  a.SetLang(1);
  EXPECT_EQ(kw::pathcore::LibraryLanguage(), 1);
  b.SetLang(0);
  EXPECT_EQ(kw::pathcore::LibraryLanguage(), 0);
}

TEST_F(PathObjTest, GuidIsThirtyTwoHexDigitsAndStable) {
  kw::pathcore::CPathObj doc;
  std::vector<uint8_t> first(32), second(40, 0xEE), small;
  doc.GetGUID(first);
  doc.GetGUID(second);
  doc.GetGUID(small);
  for (uint8_t c : first) EXPECT_TRUE((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')) << int(c);
  EXPECT_TRUE(std::equal(first.begin(), first.end(), second.begin()));
  EXPECT_EQ(second[32], 0xEE);  // nothing beyond the 32 bytes is written
  EXPECT_EQ(small, first);      // a caller without room gets room, not a write past its array
  kw::pathcore::CPathObj other;
  std::vector<uint8_t> third(32);
  other.GetGUID(third);
  EXPECT_NE(first, third);
}

TEST_F(PathObjTest, CurrentDocumentFollowsCreationAndDestruction) {
  auto* first = new kw::pathcore::CPathObj;
  EXPECT_EQ(kw::pathcore::CurrentDocument(), first);
  {
    kw::pathcore::CPathObj second;
    EXPECT_EQ(kw::pathcore::CurrentDocument(), &second);
  }
  EXPECT_EQ(kw::pathcore::CurrentDocument(), nullptr);
  delete first;
  EXPECT_EQ(kw::pathcore::CurrentDocument(), nullptr);
}

TEST_F(PathObjTest, InstanceFilesAreClearedAtCreationAndDestruction) {
  const std::string me = kw::pathcore::InstancePrefix();
  const auto backup = Folder() / "DocBk";
  {
    kw::pathcore::CPathObj doc;
    EXPECT_TRUE(std::filesystem::is_directory(backup));
  }
  Touch(backup / (me + "{OLD}.tmp"));
  Touch(backup / (me + "7{OTHER-PROCESS}.tmp"));  // another instance whose number starts with ours
  Touch(backup / "unrelated.txt");
  auto* doc = new kw::pathcore::CPathObj;
  EXPECT_FALSE(std::filesystem::exists(backup / (me + "{OLD}.tmp")));
  EXPECT_TRUE(std::filesystem::exists(backup / (me + "7{OTHER-PROCESS}.tmp")));
  Touch(Folder() / (me + "LaserObj.tmp"));
  Touch(Folder() / (me + "{SNAPSHOT}.tmp"));
  Touch(Folder() / "Setting.ini");
  delete doc;
  EXPECT_FALSE(std::filesystem::exists(Folder() / (me + "LaserObj.tmp")));
  EXPECT_FALSE(std::filesystem::exists(Folder() / (me + "{SNAPSHOT}.tmp")));
  EXPECT_TRUE(std::filesystem::exists(Folder() / "Setting.ini"));
  EXPECT_TRUE(std::filesystem::exists(backup / "unrelated.txt"));
  EXPECT_TRUE(std::filesystem::exists(backup / (me + "7{OTHER-PROCESS}.tmp")));
}

TEST_F(PathObjTest, AProgramFolderThatCannotHoldTheBackupFolderIsNoError) {
  Touch(Folder() / "DocBk");  // a file where the folder should be
  kw::pathcore::CPathObj doc;
  kw::test::Add(doc, {{0, 0}, {1, 1}});
  EXPECT_EQ(doc.Count(), 1);
}

}  // namespace
