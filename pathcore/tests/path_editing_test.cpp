#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "doc_test_support.h"
#include "document/library_state.h"

namespace {

using kw::test::Add;
using kw::test::PointsOf;
using kw::test::StoreOf;
using Points = std::vector<std::pair<float, float>>;

class PathEditingTest : public kw::test::EditingTest {};

TEST_F(PathEditingTest, DeleteRemovesSelectedRunsAndKeepsTheRestInOrder) {
  kw::pathcore::CPathObj doc;
  for (int k = 1; k <= 5; ++k) Add(doc, {{float(k), 0}, {float(k), 1}, {float(k), float(k)}});
  Select(doc, {2, 3, 5});
  doc.DelObj();
  const auto& s = StoreOf(doc);
  ASSERT_EQ(doc.Count(), 2);
  EXPECT_EQ(s.PointN, 6);
  EXPECT_EQ(s.ObjStart[2], 4);
  EXPECT_EQ(PointsOf(s, 2), (Points{{4, 0}, {4, 1}, {4, 4}}));
  EXPECT_EQ(s.ObjYmax[2], 4);
  EXPECT_EQ(s.PointCap, 1000);
  EXPECT_EQ(doc.Xmax(), 4);
  EXPECT_EQ(doc.SelCount(), 0);
  doc.SelAll();
  doc.DelObj();
  EXPECT_EQ(doc.Count(), 0);
  EXPECT_EQ(doc.SubCount(), 0);
}

TEST_F(PathEditingTest, ClosingAddsTheFirstPointOnlyWhereTheGapAllows) {
  kw::pathcore::CPathObj doc;
  Add(doc, {{0, 0}, {5, 0}, {5, 5}, {0, 5}});          // square of four points
  Add(doc, {{0, 0}, {5, 0}, {5, 5}, {0.3f, 0.3f}});    // 0.3 apart
  Add(doc, {{0, 0}, {5, 0}, {5, 5}, {0.7f, 0}});       // 0.7 apart
  Add(doc, {{0, 0}, {5, 0}, {5, 5}, {0.0005f, 0}});    // closed within 0.001
  auto& s = StoreOf(doc);
  doc.SelAll();
  s.ObjSel[1] = 0;
  doc.AutoFb(0.5);
  EXPECT_EQ(s.PointCountOf(1), 4);
  EXPECT_EQ(PointsOf(s, 2).back(), (std::pair<float, float>{0, 0}));
  EXPECT_EQ(s.PointCountOf(3), 4);
  EXPECT_EQ(s.PointCountOf(4), 4);
  EXPECT_EQ(s.ObjSel[4], 2);
  s.ObjSel[1] = 1;
  doc.SetFb();
  EXPECT_EQ(PointsOf(s, 1), (Points{{0, 0}, {5, 0}, {5, 5}, {0, 5}, {0, 0}}));
  EXPECT_EQ(s.PointCountOf(2), 5);
  EXPECT_EQ(PointsOf(s, 3).back(), (std::pair<float, float>{0, 0}));
  EXPECT_EQ(s.PointCountOf(4), 4);
  EXPECT_EQ(s.ObjEx[3], 0);
  EXPECT_EQ(s.PointN, 19);
}

TEST_F(PathEditingTest, EngravingFrameStoresItsPathsAndGivesThemBack) {
  kw::pathcore::CPathObj doc;
  Add(doc, {{1, 1}, {3, 1}, {3, 4}}, 2);  // open: closed before it is stored
  Add(doc, {{9, 9}, {9, 9.5f}}, 1);
  Add(doc, {{-2, 0}, {0, -3}, {-2, 0}}, 5);
  doc.SelX(1, false);
  doc.SelX(3, true);
  doc.SetDkObj();
  auto& s = StoreOf(doc);
  ASSERT_EQ(doc.Count(), 2);
  EXPECT_EQ(s.ObjType[2], kw::pathcore::kEngraveFrame);
  EXPECT_EQ(s.ObjKey[2], 1);
  EXPECT_EQ(s.ObjSel[2], 0);
  EXPECT_EQ(PointsOf(s, 2), (Points{{-2, 4}, {3, 4}, {3, -3}, {-2, -3}, {-2, 4}}));
  EXPECT_EQ(s.DkN, 2);
  EXPECT_EQ(s.DkPointN, 7);
  EXPECT_EQ(s.DkX.size(), 8u);
  doc.SelX(2, false);
  doc.SetUnDkObj();
  ASSERT_EQ(doc.Count(), 3);
  EXPECT_EQ(PointsOf(s, 2), (Points{{1, 1}, {3, 1}, {3, 4}, {1, 1}}));
  EXPECT_EQ(PointsOf(s, 3), (Points{{-2, 0}, {0, -3}, {-2, 0}}));
  EXPECT_EQ(s.ObjLayer[3], 0);
  EXPECT_EQ(s.DkN, 0);
  EXPECT_EQ(s.KeyN, 0);
}

TEST_F(PathEditingTest, DeletingAFrameFreesItsKeyForTheNextFrame) {
  kw::pathcore::CPathObj doc;
  auto& s = StoreOf(doc);
  for (int k = 0; k < 3; ++k) Add(doc, {{float(k), 0}, {float(k), 1}, {float(k) + 1, 1}, {float(k), 0}});
  doc.SelX(1, false);
  doc.SetDkObj();  // key 1 for the first path
  doc.SelX(1, false);
  doc.SetDkObj();  // key 2 for the second
  ASSERT_EQ(doc.Count(), 3);
  EXPECT_EQ(s.ObjKey[3], 2);
  doc.SelX(2, false);  // the frame with key 1
  doc.DelObj();
  EXPECT_EQ(s.DkN, 1);
  EXPECT_EQ(s.DkKey[1], 2);
  EXPECT_EQ(s.DkX[1], 1);  // the remaining outline moved down
  doc.SelX(1, false);
  doc.SetDkObj();
  EXPECT_EQ(s.ObjKey[doc.Count()], 1);
  doc.SelX(1, false);
  doc.SetDkObj();  // nothing selected is a cut path: nothing happens
  EXPECT_EQ(s.KeyN, 2);
}

TEST_F(PathEditingTest, DrillMarksOnlyCutPathsAndReverseOnlyTurnsCutPaths) {
  kw::pathcore::CPathObj doc;
  Add(doc, {{0, 0}, {1, 0}, {2, 2}});
  Add(doc, {{0, 0}, {1, 0}});
  Add(doc, {{0, 0}, {1, 0}});
  auto& s = StoreOf(doc);
  s.ObjType[2] = kw::pathcore::kEngraveFrame;
  s.ObjType[3] = kw::pathcore::kBitmapFrame;
  doc.SelAll();
  doc.BackFx();
  EXPECT_EQ(PointsOf(s, 1), (Points{{2, 2}, {1, 0}, {0, 0}}));
  EXPECT_EQ(s.ObjSx[1], 2);
  EXPECT_EQ(PointsOf(s, 2), (Points{{0, 0}, {1, 0}}));
  doc.SetDrillObj();
  EXPECT_EQ((std::vector<uint8_t>{s.ObjType[1], s.ObjType[2], s.ObjType[3]}), (std::vector<uint8_t>{3, 1, 2}));
  doc.SetUnDrillObj();
  EXPECT_EQ(s.ObjType[1], kw::pathcore::kCutPath);
}

}  // namespace
