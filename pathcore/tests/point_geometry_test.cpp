#include <gtest/gtest.h>

#include <cmath>

#include "geometry/point_geometry.h"

namespace {

using kw::pathcore::PointAngle;

TEST(PointGeometry, AngleCoversEveryQuadrantAxisAndTheZeroVector) {
  const double cx = 2;
  const double cy = -3;
  EXPECT_NEAR(PointAngle(cx + 1, cy, cx, cy), 0, 1e-12);
  EXPECT_NEAR(PointAngle(cx + 1, cy + 1, cx, cy), 45, 1e-12);
  EXPECT_NEAR(PointAngle(cx, cy + 1, cx, cy), 90, 1e-12);
  EXPECT_NEAR(PointAngle(cx - 1, cy + 1, cx, cy), 135, 1e-12);
  EXPECT_NEAR(PointAngle(cx - 1, cy, cx, cy), 180, 1e-12);
  EXPECT_NEAR(PointAngle(cx - 1, cy - 1, cx, cy), 225, 1e-12);
  EXPECT_NEAR(PointAngle(cx, cy - 1, cx, cy), 270, 1e-12);
  EXPECT_NEAR(PointAngle(cx + 1, cy - 1, cx, cy), 315, 1e-12);
  EXPECT_NEAR(PointAngle(cx, cy, cx, cy), 270, 1e-12);
}

TEST(PointGeometry, RotationsKeepTheDistanceAndWrapTheAngle) {
  float x = 1;
  float y = 0;
  kw::pathcore::RotatePoint(x, y, 0, 0, 90);
  EXPECT_NEAR(x, 0, 1e-6);
  EXPECT_NEAR(y, 1, 1e-6);

  double dx = 3;
  double dy = 4;
  kw::pathcore::RotatePointD(dx, dy, 0, 0, -720 + 90);
  EXPECT_NEAR(dx, -4, 1e-9);
  EXPECT_NEAR(dy, 3, 1e-9);
  kw::pathcore::RotatePointD(dx, dy, 0, 0, 1e300);  // must neither hang nor lose the radius
  EXPECT_NEAR(kw::pathcore::PointDistance(0, 0, dx, dy), 5, 1e-9);
}

TEST(PointGeometry, PlaceOnCircleUsesTheAbsoluteAngleAtTheOwnRadius) {
  float x = 12;
  float y = 5;
  kw::pathcore::PlaceOnCircle(x, y, 2, 5, -90);
  EXPECT_NEAR(x, 2, 1e-5);
  EXPECT_NEAR(y, -5, 1e-5);
  kw::pathcore::PlaceOnCircle(x, y, 2, 5, 450);
  EXPECT_NEAR(x, 2, 1e-5);
  EXPECT_NEAR(y, 15, 1e-5);
}

}  // namespace
