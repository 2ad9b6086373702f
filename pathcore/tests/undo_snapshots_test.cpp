#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "image_test_support.h"

namespace {

using kw::test::Add;
using kw::test::ImageOf;
using kw::test::StoreOf;

class UndoSnapshotsTest : public kw::test::TempAppPath {
 protected:
  std::set<std::string> SnapshotFiles() {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(Folder())) {
      if (entry.path().extension() == ".tmp") names.insert(entry.path().string());
    }
    return names;
  }
  std::set<std::string> Listed(kw::pathcore::CPathObj& doc) {
    const auto& list = StoreOf(doc).DocBakFiles;
    return std::set<std::string>(list.begin() + 1, list.end());
  }
};

TEST_F(UndoSnapshotsTest, SnapshotsAreNamedAfterTheInstanceAndAGuid) {
  kw::pathcore::CPathObj doc;
  doc.DocBak();
  const auto files = SnapshotFiles();
  ASSERT_EQ(files.size(), 1u);
  const auto name = std::filesystem::path(*files.begin()).filename().string();
  const auto prefix = kw::pathcore::InstancePrefix();
  EXPECT_EQ(name.substr(0, prefix.size() + 1), prefix + "{");
  EXPECT_EQ(name.size(), prefix.size() + 38 + 4);  // braced GUID and ".tmp"
}

TEST_F(UndoSnapshotsTest, OnlyTheTwentyNewestSnapshotsAreKept) {
  kw::pathcore::CPathObj doc;
  for (int i = 0; i < 25; ++i) {
    Add(doc, {{float(i), 0}, {float(i), 1}});
    EXPECT_EQ(doc.DocBak(), 0);
  }
  EXPECT_EQ(doc.DocBakCount(), 20);
  EXPECT_EQ(doc.DocBaki(), 20);
  EXPECT_EQ(SnapshotFiles(), Listed(doc));
  for (int i = 0; i < 19; ++i) doc.DocUndo();
  EXPECT_EQ(doc.Count(), 6);  // the oldest kept snapshot is the sixth
  doc.DocUndo();
  EXPECT_EQ(doc.DocBaki(), 1);
}

TEST_F(UndoSnapshotsTest, UndoAndRedoWalkTheSnapshotsAndANewSnapshotDropsRedo) {
  kw::pathcore::CPathObj doc;
  doc.DocBak();
  EXPECT_EQ(doc.DocUndo(), 0);  // DocBaki 1: nothing happens
  EXPECT_EQ(doc.DocBaki(), 1);
  Add(doc, {{0, 0}, {1, 1}});
  doc.DocBak();
  Add(doc, {{2, 2}, {3, 3}});
  doc.DocBak();
  const auto third = StoreOf(doc).DocBakFiles[3];
  doc.DocUndo();
  EXPECT_EQ(doc.Count(), 1);
  EXPECT_EQ(doc.DocBaki(), 2);
  doc.DocRedo();
  EXPECT_EQ(doc.Count(), 2);
  doc.DocRedo();  // nothing newer
  EXPECT_EQ(doc.DocBaki(), 3);
  doc.DocUndo();
  doc.DocBak();
  EXPECT_EQ(doc.DocBakCount(), 3);
  EXPECT_EQ(doc.DocBaki(), 3);
  EXPECT_FALSE(std::filesystem::exists(third));
  EXPECT_EQ(SnapshotFiles(), Listed(doc));
}

TEST_F(UndoSnapshotsTest, UndoRestoresEveryStoredPart) {
  kw::pathcore::CPathObj doc;
  kw::test::FillDocument(doc);
  doc.DocBak();
  const auto before = ImageOf(doc);
  doc.SelAll();
  doc.DelObj();
  doc.VerNumber(7);
  doc.DocBak();
  doc.DocUndo();
  EXPECT_EQ(ImageOf(doc), before);
  EXPECT_EQ(StoreOf(doc).BmpPic[1].Width, 40);
}

TEST_F(UndoSnapshotsTest, MissingSnapshotLeavesTheDocumentAndCountersOutOfRangeAreSafe) {
  kw::pathcore::CPathObj doc;
  doc.DocBak();
  Add(doc, {{0, 0}, {1, 1}});
  doc.DocBak();
  std::filesystem::remove(StoreOf(doc).DocBakFiles[1]);
  doc.DocUndo();
  EXPECT_EQ(doc.DocBaki(), 1);  // moved, as the undo list says, but nothing loaded
  EXPECT_EQ(doc.Count(), 1);
  doc.DocBakCount(90);
  doc.DocBaki(-3);
  doc.DocRedo();
  doc.DocUndo();
  doc.DocBak();
  EXPECT_LE(doc.DocBakCount(), 20);
}

TEST_F(UndoSnapshotsTest, DestructionRemovesTheSnapshots) {
  {
    kw::pathcore::CPathObj doc;
    doc.DocBak();
    doc.DocBak();
    EXPECT_EQ(SnapshotFiles().size(), 2u);
  }
  EXPECT_TRUE(SnapshotFiles().empty());
}

}  // namespace
