#include <gtest/gtest.h>

#include "geometry/intersections.h"

namespace {

TEST(CircleIntersect, TouchingCrossingAndSeparateCircles) {
  double x1 = -1, y1 = -1, x2 = -1, y2 = -1;
  ASSERT_EQ(kw::pathcore::CircleIntersect(0, 0, 10, 0, 5, 5, x1, y1, x2, y2), 2);
  EXPECT_NEAR(x1, 5, 1e-9);
  EXPECT_NEAR(y1, 0, 1e-9);
  EXPECT_NEAR(x2, 5, 1e-9);
  EXPECT_NEAR(y2, 0, 1e-9);

  ASSERT_EQ(kw::pathcore::CircleIntersect(0, 0, 6, 0, 5, 5, x1, y1, x2, y2), 2);
  EXPECT_NEAR(y1, -4, 1e-9);
  EXPECT_NEAR(y2, 4, 1e-9);

  x1 = 99;
  EXPECT_EQ(kw::pathcore::CircleIntersect(0, 0, 10.1, 0, 5, 5, x1, y1, x2, y2), -1);
  EXPECT_EQ(kw::pathcore::CircleIntersect(0, 0, 1, 0, 5, 1, x1, y1, x2, y2), -1);  // second inside first
  EXPECT_EQ(kw::pathcore::CircleIntersect(1, 1, 1, 1, 5, 5, x1, y1, x2, y2), -1);  // same centre
  EXPECT_EQ(kw::pathcore::CircleIntersect(0, 0, 3, 0, 0, 3, x1, y1, x2, y2), -1);  // first has no size
  EXPECT_EQ(x1, 99);
}

TEST(SegmentIntersect, CrossingOutsideParallelAndOnAVerticalEnd) {
  double px = 0, py = 0;
  EXPECT_EQ(kw::pathcore::SegmentIntersect(0, 0, 10, 10, 0, 10, 10, 0, px, py), 1);
  EXPECT_NEAR(px, 5, 1e-12);
  EXPECT_NEAR(py, 5, 1e-12);
  EXPECT_EQ(kw::pathcore::SegmentIntersect(0, 0, 1, 1, 5, 0, 6, -1, px, py), 0);
  EXPECT_EQ(kw::pathcore::SegmentIntersect(0, 0, 10, 5, 0, 1, 10, 6, px, py), -1);
  // A T-junction onto a vertical segment's end must count despite the exact X test.
  EXPECT_EQ(kw::pathcore::SegmentIntersect(0, 3, 10, 0, 7, 0.9, 7, 5, px, py), 1);
  EXPECT_DOUBLE_EQ(px, 7);
}

TEST(SegmentHitsRect, CrossingInsideAlongAnEdgeAndNearMisses) {
  // Corners are given in any order.
  EXPECT_EQ(kw::pathcore::SegmentHitsRect(-5, 5, 15, 5, 10, 10, 0, 0), 0);
  EXPECT_EQ(kw::pathcore::SegmentHitsRect(2, 2, 3, 3, 0, 10, 10, 0), 0);
  EXPECT_EQ(kw::pathcore::SegmentHitsRect(4, 4, 4, 4, 0, 0, 10, 10), 0);    // a point inside
  EXPECT_EQ(kw::pathcore::SegmentHitsRect(-5, 0, 15, 0, 0, 0, 10, 10), 0);  // along the bottom edge
  EXPECT_NE(kw::pathcore::SegmentHitsRect(11, 0, 12, 10, 0, 0, 10, 10), 0);
  EXPECT_NE(kw::pathcore::SegmentHitsRect(9, 12, 12, 9, 0, 0, 10, 10), 0);  // passes the corner by
}

TEST(PointNearSegment, RectangleWithSquareEndsAboutTheSegment) {
  EXPECT_EQ(kw::pathcore::PointNearSegment(0, 0, 10, 10, 5, 5.3, 0.5), 0);
  EXPECT_EQ(kw::pathcore::PointNearSegment(0, 0, 10, 10, 5, 6, 0.5), -1);
  EXPECT_EQ(kw::pathcore::PointNearSegment(0, 0, 10, 10, 10.3, 10.3, 0.5), 0);
  EXPECT_EQ(kw::pathcore::PointNearSegment(0, 0, 10, 10, 10.5, 10.5, 0.5), -1);
  EXPECT_EQ(kw::pathcore::PointNearSegment(3, 3, 3, 3, 3.4, 2.6, 0.5), 0);  // zero length
  EXPECT_EQ(kw::pathcore::PointNearSegment(3, 3, 3, 3, 3.6, 3, 0.5), -1);
}

}  // namespace
