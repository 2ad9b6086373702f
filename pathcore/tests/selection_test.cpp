#include <gtest/gtest.h>

#include <stdexcept>

#include "doc_test_support.h"

namespace {

using kw::test::Add;
using kw::test::StoreOf;
using Sel = std::vector<int32_t>;

class SelectionTest : public kw::test::TempAppPath {
 protected:
  // Objects 1..n as horizontal segments (0,k)-(10,k).
  void Segments(kw::pathcore::CPathObj& doc, int n) {
    for (int k = 1; k <= n; ++k) Add(doc, {{0, float(k)}, {10, float(k)}});
  }
  void SetSel(kw::pathcore::CPathObj& doc, const Sel& values) {
    for (size_t k = 0; k < values.size(); ++k) StoreOf(doc).ObjSel[k + 1] = values[k];
  }
  Sel SelOf(kw::pathcore::CPathObj& doc) {
    const auto& s = StoreOf(doc);
    return Sel(s.ObjSel.begin() + 1, s.ObjSel.end());
  }
};

TEST_F(SelectionTest, AllInvertAndCancelPickTheirCurrentObject) {
  kw::pathcore::CPathObj doc;
  doc.SelAll();  // an empty document is safe
  Segments(doc, 3);
  doc.SelAll();
  EXPECT_EQ(SelOf(doc), (Sel{1, 1, 2}));
  SetSel(doc, {2, 0, 1});
  doc.SelInv();
  EXPECT_EQ(SelOf(doc), (Sel{0, 2, 0}));
  doc.ZLSelLmt();
  doc.CancelSel();
  EXPECT_EQ(SelOf(doc), (Sel{0, 0, 0}));
  EXPECT_EQ(doc.SelCount(), 0);
}

TEST_F(SelectionTest, OpenPathsMakeTheLowestCurrentAndTwoPointPathsTheHighest) {
  kw::pathcore::CPathObj doc;
  Add(doc, {{0, 0}, {5, 0}, {5, 5}, {0.005f, 0.005f}});  // closed within 0.01 mm
  Add(doc, {{0, 0}, {5, 0}, {5, 5}});
  Add(doc, {{0, 0}, {0.01f, 3}, {0.02f, 0}});  // ends 0.02 apart on X only
  doc.SelUnFb();
  EXPECT_EQ(SelOf(doc), (Sel{0, 2, 1}));
  Add(doc, {{1, 1}, {2, 2}});
  doc.SelSingal();
  EXPECT_EQ(SelOf(doc), (Sel{0, 0, 0, 2}));
}

TEST_F(SelectionTest, LayerSelectionClipsLayersAboveTheCountAndMatchesKind) {
  kw::pathcore::CPathObj doc;
  Add(doc, {{0, 0}, {1, 1}}, 2);
  Add(doc, {{0, 0}, {1, 1}}, 9);  // min(9, 5) = 5
  Add(doc, {{0, 0}, {1, 1}}, 5);
  Add(doc, {{0, 0}, {1, 1}}, 5);
  StoreOf(doc).ObjType[4] = kw::pathcore::kDrillPath;
  SetSel(doc, {1, 0, 0, 2});
  doc.SelLayer(kw::pathcore::kCutPath, 5, 5);
  EXPECT_EQ(SelOf(doc), (Sel{0, 1, 2, 0}));
}

TEST_F(SelectionTest, SelXAddsOrReplacesAndRefusesBadIndices) {
  kw::pathcore::CPathObj doc;
  Segments(doc, 3);
  EXPECT_FALSE(doc.SelX(1, false));
  EXPECT_FALSE(doc.SelX(3, true));
  EXPECT_EQ(SelOf(doc), (Sel{1, 0, 2}));
  doc.SelX(2, false);
  EXPECT_EQ(SelOf(doc), (Sel{0, 2, 0}));
  EXPECT_THROW(doc.SelX(0, false), std::out_of_range);
  EXPECT_THROW(doc.SelX(4, true), std::out_of_range);
  EXPECT_EQ(SelOf(doc), (Sel{0, 2, 0}));
}

TEST_F(SelectionTest, PreviousAndNextStepFromTheHighestSelectedAndStopAtTheEnds) {
  kw::pathcore::CPathObj doc;
  Segments(doc, 4);
  doc.SelP();  // nothing selected: nothing happens
  EXPECT_EQ(SelOf(doc), (Sel{0, 0, 0, 0}));
  SetSel(doc, {2, 0, 0, 0});
  doc.SelP();
  EXPECT_EQ(SelOf(doc), (Sel{2, 0, 0, 0}));
  SetSel(doc, {2, 1, 0, 0});
  doc.SelN(true);
  EXPECT_EQ(SelOf(doc), (Sel{1, 1, 2, 0}));
  SetSel(doc, {0, 0, 1, 2});
  doc.SelN();
  EXPECT_EQ(SelOf(doc), (Sel{0, 0, 0, 2}));
}

TEST_F(SelectionTest, PointSelectionHitsTheFirstObjectAndTogglesWithC) {
  kw::pathcore::CPathObj doc;
  Segments(doc, 3);
  Add(doc, {{20, 20}});  // a single point has no segment
  EXPECT_TRUE(doc.PointSel(5, 2.05, 0.1));
  EXPECT_EQ(SelOf(doc), (Sel{0, 2, 0, 0}));
  EXPECT_TRUE(doc.PointSel(5, 3, 0.1, true));
  EXPECT_EQ(SelOf(doc), (Sel{0, 1, 2, 0}));
  EXPECT_TRUE(doc.PointSel(5, 2, 0.1, true));  // already selected: taken out
  EXPECT_EQ(SelOf(doc), (Sel{0, 0, 2, 0}));
  EXPECT_FALSE(doc.PointSel(20, 20, 0.5));
  EXPECT_EQ(SelOf(doc), (Sel{0, 0, 0, 0}));
  EXPECT_TRUE(doc.PointTest(9.95, 1.05, 0.1));
  EXPECT_FALSE(doc.PointTest(11, 1, 0.1));
}

TEST_F(SelectionTest, RectangleSelectionTogglesAndMakesTheHighestNewCurrent) {
  kw::pathcore::CPathObj doc;
  Segments(doc, 4);
  EXPECT_TRUE(doc.FaceSel(5, 0, 5, 10, 0));  // zero width hits nothing
  EXPECT_EQ(SelOf(doc), (Sel{0, 0, 0, 0}));
  EXPECT_TRUE(doc.FaceSel(4, 1.5, 6, 3.5, 0));
  EXPECT_EQ(SelOf(doc), (Sel{0, 1, 2, 0}));
  SetSel(doc, {2, 0, 1, 0});
  EXPECT_TRUE(doc.FaceSel(6, 3.5, 4, 1.5, 0, true));  // corners in any order
  EXPECT_EQ(SelOf(doc), (Sel{1, 2, 0, 0}));
  SetSel(doc, {1, 2, 0, 2});
  doc.FaceSel(0, 3.5, 1, 4.5, 0, true);  // only removes object 4
  EXPECT_EQ(SelOf(doc), (Sel{2, 2, 0, 0}));  // the rule can leave two current objects
}

TEST_F(SelectionTest, LayerAndKindQueriesOfTheSelection) {
  kw::pathcore::CPathObj doc;
  int16_t kind = -9;
  EXPECT_EQ(doc.GetSelObjLayer(5, 5, kind), -2);
  EXPECT_EQ(doc.GetSelObjTy(), -1);
  Add(doc, {{0, 0}, {1, 1}}, 3);
  Add(doc, {{0, 0}, {1, 1}}, 3);
  auto& s = StoreOf(doc);
  s.ObjType[2] = kw::pathcore::kEngraveFrame;
  doc.SelAll();
  doc.ZLSelLmt();
  EXPECT_EQ(doc.GetSelObjLayer(5, 5, kind), -3);
  s.ObjLayer[2] = 4;
  EXPECT_EQ(doc.GetSelObjLayer(5, 5, kind), -1);
  EXPECT_EQ(doc.GetSelObjLayer(2, 3, kind), -3);  // both layers above their counts compare as 0
  s.ObjLayer[1] = 9, s.ObjLayer[2] = 7;
  s.ObjType[2] = kw::pathcore::kCutPath;
  EXPECT_EQ(doc.GetSelObjLayer(5, 5, kind), 0);
  EXPECT_EQ(kind, kw::pathcore::kCutPath);
  s.ObjType[2] = kw::pathcore::kDrillPath;
  EXPECT_EQ(doc.GetSelObjTy(), 3);
  s.ObjType[1] = kw::pathcore::kEngraveFrame, s.ObjType[2] = kw::pathcore::kEngraveFrame;
  EXPECT_EQ(doc.GetSelObjTy(), 1);
  doc.CancelSel();
  EXPECT_EQ(doc.GetSelObjLayer(5, 5, kind), -2);
  doc.SelX(2, false);
  EXPECT_EQ(doc.SetSelObjLayer(6), 0);
  EXPECT_EQ(s.ObjLayer[1], 9);
  EXPECT_EQ(s.ObjLayer[2], 6);
}

}  // namespace
