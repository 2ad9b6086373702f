// Our own drawings under testdata/, one or more of each kind: they import
// with their exact path counts, layers and bounds, and the DXF counts agree
// with the independent ezdxf count.
#include <gtest/gtest.h>

#include <vector>

#include "doc_test_support.h"
#include "dxf_independent_count.h"
#include "testsupport/test_drawings.h"

namespace {

using kw::test::OwnDrawing;
using kw::test::StoreOf;

class OwnDrawings : public kw::test::ImportedDocument {
 protected:
  void ExpectBounds(double xmin, double ymin, double xmax, double ymax) {
    EXPECT_NEAR(doc_.Xmin(), xmin, 1e-4);
    EXPECT_NEAR(doc_.Ymin(), ymin, 1e-4);
    EXPECT_NEAR(doc_.Xmax(), xmax, 1e-4);
    EXPECT_NEAR(doc_.Ymax(), ymax, 1e-4);
  }

};

TEST_F(OwnDrawings, DxfPathCountsMatchAnIndependentCount) {
  if (!kw::test::HaveIndependentDxfCount()) GTEST_SKIP() << "no python3 with ezdxf";
  const auto files = kw::test::FilesIn(OwnDrawing("dxf"));
  ASSERT_EQ(files.size(), 4u);
  kw::test::ExpectDxfImportsMatchTheIndependentCount(files);
}

// The plate is drawn twice, once as R12 with vertex polylines and once as R14
// with subclass markers, a lightweight polyline and splines for the curves.
TEST_F(OwnDrawings, ThePlateGivesTheSameOutlineInR12AndR14) {
  kw::pathcore::CPathObj r14;
  EXPECT_EQ(doc_.DxfInput(OwnDrawing("dxf/plate_r12.dxf"), "0"), 0);
  EXPECT_EQ(r14.DxfInput(OwnDrawing("dxf/plate_r14.dxf"), "0"), 0);
  EXPECT_TRUE(messages_.texts.empty());
  ASSERT_EQ(doc_.Count(), 17);
  ASSERT_EQ(r14.Count(), 17);
  EXPECT_EQ(Layers(), std::vector<int16_t>(17, 1));  // all drawn on the cut layer "0"
  ExpectBounds(0, 0, 60, 40);
  // Ten lines, two arcs, the circle and the slot of two bulges are the same
  // entities in both files; only the last three curves differ.
  for (int32_t k = 1; k <= 14; ++k) {
    EXPECT_EQ(kw::test::PointsOf(StoreOf(doc_), k), kw::test::PointsOf(StoreOf(r14), k)) << "path " << k;
  }
  EXPECT_EQ(StoreOf(doc_).PointCountOf(1), 2);
  EXPECT_EQ(kw::test::PointsOf(StoreOf(doc_), 14).front(), kw::test::PointsOf(StoreOf(doc_), 14).back())
      << "the closed slot ends where it starts";
}

TEST_F(OwnDrawings, TheOtherKindsImportTheirPathsOnTheirLayers) {
  doc_.PltInput(OwnDrawing("plt/pens.plt"), "1");
  ASSERT_EQ(doc_.Count(), 3);
  EXPECT_EQ(Layers(), (std::vector<int16_t>{1, 1, 0}));  // the cut pen's paths go on layer 1
  ExpectBounds(0, 0, 30, 20);                             // 40 plotter units a millimetre
  EXPECT_EQ(StoreOf(doc_).PointCountOf(1), 5);
  doc_.AiInput(OwnDrawing("ai/shapes.ai"));
  ASSERT_EQ(doc_.Count(), 5) << "the stroked open path is not cut";
  doc_.DstInput(OwnDrawing("dst/zigzag.dst"));
  ASSERT_EQ(doc_.Count(), 8) << "a jump and a colour change end the stitch runs";
  const auto& s = StoreOf(doc_);
  EXPECT_EQ(s.PointCountOf(6), 8);
  EXPECT_EQ(s.PointCountOf(7), 4);
  EXPECT_EQ(s.PointCountOf(8), 3);
  EXPECT_EQ(Layers(), (std::vector<int16_t>{1, 1, 0, 0, 0, 0, 0, 0}));
  ExpectBounds(0, 0, 101.6002, 50.8001);
  EXPECT_TRUE(messages_.texts.empty());
}

}  // namespace
