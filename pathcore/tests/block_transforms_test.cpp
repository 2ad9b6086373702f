#include <gtest/gtest.h>

#include "doc_test_support.h"

namespace {

using kw::test::Add;
using kw::test::PointsOf;
using kw::test::StoreOf;
using Points = std::vector<std::pair<float, float>>;

class BlockTransformTest : public kw::test::TempAppPath {
 protected:
  // A selected square from (0,0) to (10,10) and an unselected path beside it.
  void MakeSquare(kw::pathcore::CPathObj& doc) {
    Add(doc, {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}});
    Add(doc, {{50, 50}, {60, 50}});
    StoreOf(doc).ObjSel[1] = kw::pathcore::kCurrent;
    doc.ZL();
  }
};

TEST_F(BlockTransformTest, ScaleAboutTheReferencePointOfItsCode) {
  kw::pathcore::CPathObj doc;
  MakeSquare(doc);
  doc.Block_Scale(2, 2, 1);  // top-left corner stays
  const auto& s = StoreOf(doc);
  EXPECT_EQ(s.ObjXmin[1], 0);
  EXPECT_EQ(s.ObjYmin[1], -10);
  EXPECT_EQ(s.ObjXmax[1], 20);
  EXPECT_EQ(s.ObjYmax[1], 10);
  EXPECT_EQ(doc.Ymin(), -10);                               // bounds follow
  EXPECT_EQ(PointsOf(s, 2), (Points{{50, 50}, {60, 50}}));  // unselected untouched
  doc.Block_Scale(0.5, 0.5, 7);                             // any other code: the origin
  EXPECT_EQ(s.ObjXmax[1], 10);
  EXPECT_EQ(s.ObjYmin[1], -5);
}

TEST_F(BlockTransformTest, SpinTurnsByWholeDegreesKeepingTheSign) {
  for (const auto& [angle, x, y] : {std::tuple{450.0, 0.0f, 10.0f}, {89.6, 0.0f, 10.0f}, {-30.0, 8.660254f, -5.0f}}) {
    kw::pathcore::CPathObj doc;
    Add(doc, {{0, 0}, {10, 0}});
    StoreOf(doc).ObjSel[1] = kw::pathcore::kCurrent;
    doc.Block_Spin(angle, 9);  // about the origin
    const auto& s = StoreOf(doc);
    EXPECT_NEAR(s.PointX[2], x, 1e-4) << angle;
    EXPECT_NEAR(s.PointY[2], y, 1e-4) << angle;
  }
}

TEST_F(BlockTransformTest, MoveTakesCutPathsAndBitmapFramesOnly) {
  kw::pathcore::CPathObj doc;
  Add(doc, {{0, 0}, {1, 0}});
  Add(doc, {{0, 0}, {1, 0}});
  Add(doc, {{0, 0}, {1, 0}});
  auto& s = StoreOf(doc);
  s.ObjType[2] = kw::pathcore::kBitmapFrame;
  s.ObjType[3] = kw::pathcore::kEngraveFrame;
  for (int k = 1; k <= 3; ++k) s.ObjSel[k] = kw::pathcore::kSelected;
  doc.Block_Move(5, -1);
  EXPECT_EQ(s.ObjXmin[1], 5);
  EXPECT_EQ(s.ObjYmin[2], -1);
  EXPECT_EQ(s.ObjXmin[3], 0);
  EXPECT_EQ(doc.Xmax(), 6);
}

TEST_F(BlockTransformTest, ArrayAppendsCopiesRowByRowDownwards) {
  kw::pathcore::CPathObj doc;
  Add(doc, {{0, 0}, {1, 1}}, 4);
  StoreOf(doc).ObjSel[1] = kw::pathcore::kCurrent;
  doc.Block_Array(10, 5, 3, 2);
  const auto& s = StoreOf(doc);
  ASSERT_EQ(doc.Count(), 6);
  const Points expected{{10, 0}, {20, 0}, {0, -5}, {10, -5}, {20, -5}};
  for (int k = 2; k <= 6; ++k) {
    EXPECT_EQ((std::pair{s.ObjSx[k], s.ObjSy[k]}), expected[k - 2]) << k;
    EXPECT_EQ(s.ObjSel[k], 0);
    EXPECT_EQ(s.ObjLayer[k], 4);
  }
  EXPECT_EQ(doc.Ymin(), -5);
}

TEST_F(BlockTransformTest, MirrorAboutTheLineOfItsCode) {
  kw::pathcore::CPathObj doc;
  Add(doc, {{2, 0}, {6, 3}});
  StoreOf(doc).ObjSel[1] = kw::pathcore::kCurrent;
  doc.Block_Mirror(1);  // x = Xmin of the block
  EXPECT_EQ(PointsOf(StoreOf(doc), 1), (Points{{2, 0}, {-2, 3}}));
  doc.Block_Mirror(4);  // y = Ymax
  EXPECT_EQ(PointsOf(StoreOf(doc), 1), (Points{{2, 6}, {-2, 3}}));
  doc.Block_Mirror(9);  // y = 0
  EXPECT_EQ(PointsOf(StoreOf(doc), 1), (Points{{2, -6}, {-2, -3}}));
}

TEST_F(BlockTransformTest, SetPathPosMovesEverythingUnlessAlreadyThere) {
  kw::pathcore::CPathObj doc;
  MakeSquare(doc);
  auto& s = StoreOf(doc);
  doc.SetPathPos(60.005f, 0.005f);  // bottom-right corner is (60, 0) already
  EXPECT_EQ(s.PointX[1], 0);
  doc.SetPathPos(0, 0);
  EXPECT_EQ(doc.Xmax(), 0);
  EXPECT_EQ(doc.Ymin(), 0);
  EXPECT_EQ(s.ObjXmin[1], -60);
  EXPECT_EQ(s.ObjEx[2], 0);
  EXPECT_EQ(s.ObjXc[2], -5);
}

TEST_F(BlockTransformTest, SafeRectWidensByTheSecondToolOffset) {
  kw::pathcore::CPathObj doc;
  MakeSquare(doc);
  float xmin = -1, xmax = -1, ymin = -1, ymax = -1;
  doc.GetSafeRect(5, 0, xmin, xmax, ymin, ymax);
  EXPECT_EQ(std::tuple(xmin, xmax, ymin, ymax), std::tuple(0.0f, 60.0f, 0.0f, 50.0f));
  StoreOf(doc).ObjLayer[2] = 1;
  doc.GetSafeRect(5, 2, xmin, xmax, ymin, ymax);
  EXPECT_EQ(std::tuple(xmin, xmax, ymin, ymax), std::tuple(0.0f, 65.0f, 0.0f, 52.0f));
  StoreOf(doc).ObjLayer[1] = 1;
  doc.GetSafeRect_Sel(-5, 0, xmin, xmax, ymin, ymax);  // the plain box of the first, then the shifted one
  EXPECT_EQ(std::tuple(xmin, xmax, ymin, ymax), std::tuple(-5.0f, 10.0f, 0.0f, 10.0f));
  kw::pathcore::CPathObj empty;
  empty.GetSafeRect(0, 0, xmin, xmax, ymin, ymax);
  EXPECT_EQ(xmin, -5.0f);  // left as it was
}

}  // namespace
