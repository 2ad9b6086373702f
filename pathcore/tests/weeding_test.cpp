// The weed box and weed lines on a document: which bounds the box takes,
// which path counts as the box, what is appended and selected, the undo
// snapshots, and that no line comes near any segment of a real drawing.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <memory>
#include <string>

#include "doc_test_support.h"
#include "geometry/intersections.h"
#include "geometry/weed_lines.h"
#include "testsupport/test_drawings.h"

namespace {

using kw::pathcore::CPathObj;
using kw::pathcore::PathStore;
using kw::test::Add;
using kw::test::StoreOf;

class Weeding : public kw::test::EditingTest {
 protected:
  // Two shapes: a square 0..10 and a triangle at 20..30, 5..15.
  void TwoShapes() {
    Add(Doc(), {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}});
    Add(Doc(), {{20, 5}, {30, 5}, {25, 15}, {20, 5}});
    Doc().ZL();
  }
  const PathStore& S() { return StoreOf(Doc()); }
  int32_t SelectedCount() {
    int32_t n = 0;
    for (int32_t k = 1; k <= S().ObjN; ++k) n += S().ObjSel[k] > 0 ? 1 : 0;
    return n;
  }
  void ExpectBox(int32_t k, double xmin, double ymin, double xmax, double ymax) {
    const auto points = kw::test::PointsOf(S(), k);
    ASSERT_EQ(points.size(), 5u);
    EXPECT_EQ(points.front(), points.back()) << "closed";
    EXPECT_EQ(S().ObjType[k], kw::pathcore::kCutPath);
    EXPECT_EQ(S().ObjLayer[k], 1) << "on the cut layer";
    EXPECT_NEAR(S().ObjXmin[k], xmin, 1e-4);
    EXPECT_NEAR(S().ObjYmin[k], ymin, 1e-4);
    EXPECT_NEAR(S().ObjXmax[k], xmax, 1e-4);
    EXPECT_NEAR(S().ObjYmax[k], ymax, 1e-4);
  }
  CPathObj& Doc() { return *doc_; }

  // Made once the test's program folder is in place, where it keeps its undo snapshots.
  void SetUp() override {
    EditingTest::SetUp();
    doc_ = std::make_unique<CPathObj>();
  }
  void TearDown() override {
    doc_.reset();
    EditingTest::TearDown();
  }

 private:
  std::unique_ptr<CPathObj> doc_;
};

TEST_F(Weeding, TheBoxGoesAroundTheSelectionOrTheWholeDocument) {
  TwoShapes();
  Select(Doc(), {2});
  ASSERT_TRUE(Doc().AddWeedBox(5));
  ASSERT_EQ(Doc().Count(), 3);
  ExpectBox(3, 15, 0, 35, 20);
  // The box alone is selected, and the bounds follow it.
  EXPECT_EQ(SelectedCount(), 1);
  EXPECT_EQ(S().ObjSel[3], kw::pathcore::kCurrent);
  EXPECT_EQ(Doc().SelCount(), 1);
  EXPECT_NEAR(Doc().SelXMin(), 15, 1e-4);
  EXPECT_NEAR(Doc().Xmax(), 35, 1e-4);

  Doc().CancelSel();
  ASSERT_TRUE(Doc().AddWeedBox(2.5));
  ExpectBox(4, -2.5, -2.5, 37.5, 22.5);  // around the shapes and the first box
}

TEST_F(Weeding, TheBoxRefusesAnEmptyDocumentAndMarginsThatAreNotPositive) {
  EXPECT_FALSE(Doc().AddWeedBox(5));
  EXPECT_EQ(Doc().Count(), 0);
  TwoShapes();
  for (double bad : {0.0, -1.0, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
    EXPECT_FALSE(Doc().AddWeedBox(bad)) << bad;
  }
  EXPECT_EQ(Doc().Count(), 2);
  EXPECT_EQ(SelectedCount(), 0);
}

TEST_F(Weeding, OneShape) {
  Add(Doc(), {{0, 0}, {40, 0}, {40, 20}, {0, 0}});
  Doc().ZL();
  ASSERT_TRUE(Doc().AddWeedBox(5));
  ExpectBox(2, -5, -5, 45, 25);
  // Horizontal lines at y = 5, 15: the shape's box grown by 1 mm spans -1..41,
  // so both stop there from each side.
  ASSERT_EQ(Doc().AddWeedLines(10, true, false), 4);
  const std::array<std::pair<float, float>, 4> ends{{{-1, 5}, {41, 5}, {-1, 15}, {41, 15}}};
  for (int32_t i = 0; i < 4; ++i) {
    float sx = 0, sy = 0, ex = 0, ey = 0;
    Doc().ObjEnds(3 + i, sx, sy, ex, ey);
    EXPECT_FLOAT_EQ(sx, i % 2 == 0 ? -5 : 45);
    EXPECT_FLOAT_EQ(ex, ends[static_cast<size_t>(i)].first);
    EXPECT_FLOAT_EQ(ey, ends[static_cast<size_t>(i)].second);
    EXPECT_EQ(Doc().ObjLayer(3 + i), 1);
  }
  EXPECT_EQ(SelectedCount(), 4) << "the new lines are the selection";
}

TEST_F(Weeding, WhichPathIsTheWeedBox) {
  TwoShapes();
  Select(Doc(), {1});
  ASSERT_TRUE(Doc().AddWeedBox(3));  // around the square only: it does not span the document
  Doc().CancelSel();
  EXPECT_EQ(Doc().AddWeedLines(4, true, true), CPathObj::kNoWeedBox);
  Select(Doc(), {2});
  EXPECT_EQ(Doc().AddWeedLines(4, true, true), CPathObj::kNoWeedBox) << "a triangle is no box";
  Select(Doc(), {3});
  EXPECT_EQ(Doc().AddWeedLines(4, true, true), CPathObj::kNoWeedBox) << "two selected";
  Doc().CancelSel();
  Select(Doc(), {3});
  EXPECT_GT(Doc().AddWeedLines(4, true, true), 0);

  // With nothing selected, the rectangle that spans the whole document.
  Doc().CancelSel();
  ASSERT_TRUE(Doc().AddWeedBox(3));
  const int32_t before = Doc().Count();
  Doc().CancelSel();
  EXPECT_GT(Doc().AddWeedLines(4, true, false), 0);
  EXPECT_GT(Doc().Count(), before);
}

TEST_F(Weeding, LinesRefuseABadSpacingAndChangeNothing) {
  TwoShapes();
  ASSERT_TRUE(Doc().AddWeedBox(5));
  for (double bad : {0.0, -2.0, std::numeric_limits<double>::quiet_NaN(), 1e-4}) {
    EXPECT_EQ(Doc().AddWeedLines(bad, true, true), CPathObj::kBadWeedSpacing) << bad;
  }
  // A spacing wider than the box: no line and the selection stays.
  EXPECT_EQ(Doc().AddWeedLines(100, true, true), 0);
  EXPECT_EQ(Doc().Count(), 3);
  EXPECT_EQ(S().ObjSel[3], kw::pathcore::kCurrent);
}

TEST_F(Weeding, BoxAndLinesAreUndoneLikeAnyEdit) {
  TwoShapes();
  Doc().DocBak();
  ASSERT_TRUE(Doc().AddWeedBox(5));
  Doc().DocBak();
  ASSERT_GT(Doc().AddWeedLines(5, true, true), 0);
  Doc().DocBak();
  const int32_t all = Doc().Count();
  Doc().DocUndo();
  EXPECT_EQ(Doc().Count(), 3);
  Doc().DocUndo();
  EXPECT_EQ(Doc().Count(), 2);
  Doc().DocRedo();
  Doc().DocRedo();
  EXPECT_EQ(Doc().Count(), all);
}

// A shape the box was not drawn around, lying across its side: no line may
// start in it, and the lines keep clear of it as of every other.
TEST_F(Weeding, AShapeAcrossTheSideOfTheBox) {
  TwoShapes();
  Select(Doc(), {1});
  ASSERT_TRUE(Doc().AddWeedBox(12));  // -12..22: the triangle's 20..30 crosses the right side
  ASSERT_GT(Doc().AddWeedLines(3, true, true), 0);
  for (int32_t k = 4; k <= Doc().Count(); ++k) {
    float sx = 0, sy = 0, ex = 0, ey = 0;
    Doc().ObjEnds(k, sx, sy, ex, ey);
    // The triangle's box grown by a hair less than the clearance.
    EXPECT_EQ(kw::pathcore::SegmentHitsRect(sx, sy, ex, ey, 19.01, 4.01, 30.99, 15.99), 1) << k;
  }
}

// Whether the weed line from (x1,y1) to (x2,y2) meets segment i..i+1 of the
// store: a crossing, or the line entering the segment's own box.
bool MeetsSegment(const PathStore& s, int32_t i, float x1, float y1, float x2, float y2) {
  double px = 0, py = 0;
  const float ax = s.PointX[i], ay = s.PointY[i], bx = s.PointX[i + 1], by = s.PointY[i + 1];
  return kw::pathcore::SegmentIntersect(x1, y1, x2, y2, ax, ay, bx, by, px, py) == 1 ||
         kw::pathcore::SegmentHitsRect(x1, y1, x2, y2, ax, ay, bx, by) == 0;
}

bool OnBorder(float x, float y, double xmin, double ymin, double xmax, double ymax) {
  constexpr double e = 1e-3;
  const bool inX = x >= xmin - e && x <= xmax + e, inY = y >= ymin - e && y <= ymax + e;
  return (inX && (std::abs(y - ymin) < e || std::abs(y - ymax) < e)) ||
         (inY && (std::abs(x - xmin) < e || std::abs(x - xmax) < e));
}

// Every weed line after object `box`: it starts on the box, ends on the box
// or a clearance before a shape's box, and meets no segment of shapes 1..box-1.
void ExpectLinesClearOfEverySegment(CPathObj& doc, int32_t box) {
  const auto& s = StoreOf(doc);
  const double c = kw::pathcore::kWeedClearance;
  for (int32_t w = box + 1; w <= doc.Count(); ++w) {
    ASSERT_EQ(s.PointCountOf(w), 2);
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    doc.ObjEnds(w, x1, y1, x2, y2);
    EXPECT_TRUE(OnBorder(x1, y1, s.ObjXmin[box], s.ObjYmin[box], s.ObjXmax[box], s.ObjYmax[box])) << w;
    bool endOnABorder = OnBorder(x2, y2, s.ObjXmin[box], s.ObjYmin[box], s.ObjXmax[box], s.ObjYmax[box]);
    for (int32_t k = 1; k < box; ++k) {
      for (int32_t i = s.ObjStart[k]; i < s.LastPointOf(k); ++i) {
        ASSERT_FALSE(MeetsSegment(s, i, x1, y1, x2, y2)) << "line " << w << " meets path " << k << " at point " << i;
      }
      endOnABorder = endOnABorder || OnBorder(x2, y2, s.ObjXmin[k] - c, s.ObjYmin[k] - c, s.ObjXmax[k] + c,
                                              s.ObjYmax[k] + c);
    }
    EXPECT_TRUE(endOnABorder) << w;
  }
}

// Our plate drawing, its outline around holes, arcs and a zigzag: the lines
// only cross the margin, and none of them meets the plate.
TEST_F(Weeding, NoLineMeetsAnySegmentOfARealDrawing) {
  ASSERT_EQ(Doc().DxfInput(kw::test::OwnDrawing("dxf/plate_r12.dxf"), ""), 0);
  ASSERT_TRUE(Doc().AddWeedBox(5));
  ASSERT_GT(Doc().AddWeedLines(2.5, true, true), 10);
  ExpectLinesClearOfEverySegment(Doc(), 18);
}

// Polygons of slanted sides scattered over a sheet, as stickers are: lines
// run between them, and still none meets a side.
TEST_F(Weeding, NoLineMeetsAnySegmentBetweenScatteredShapes) {
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 4; ++column) {
      const int sides = 3 + (row * 4 + column) % 6;
      const double cx = column * 31 + row * 7, cy = row * 26 + column % 3, r = 6 + (column + row) % 4;
      kw::test::Path1 p{};
      for (int i = 0; i <= sides; ++i) {
        const double a = 0.3 + 2 * 3.14159265358979 * i / sides;
        p.X.push_back(static_cast<float>(cx + r * std::cos(a)));
        p.Y.push_back(static_cast<float>(cy + r * std::sin(a)));
      }
      Doc().AddPath(p.X, p.Y, 1);
    }
  }
  Doc().ZL();
  ASSERT_TRUE(Doc().AddWeedBox(4));
  ASSERT_GT(Doc().AddWeedLines(3, true, true), 40);
  // Some lines cross the whole box between the rows or columns of shapes.
  int32_t whole = 0;
  for (int32_t w = 14; w <= Doc().Count(); ++w) {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Doc().ObjEnds(w, x1, y1, x2, y2);
    whole += std::hypot(x2 - x1, y2 - y1) > 50 ? 1 : 0;
  }
  EXPECT_GT(whole, 0);
  ExpectLinesClearOfEverySegment(Doc(), 13);
}

}  // namespace
