#include <gtest/gtest.h>

#include <numeric>

#include "geometry/bspline.h"

namespace {

TEST(BSplineCurve, FourPointCubicHasEndPointsCountAndBezierMidpoint) {
  const std::vector<float> x{0, 1, 3, 4};
  const std::vector<float> y{0, 2, 2, 0};
  std::vector<float> outX{9};
  std::vector<float> outY;
  kw::pathcore::BSplineCurve(x, y, 3, 4, outX, outY, 100);
  ASSERT_EQ(outX.size(), 101u);
  ASSERT_EQ(outY.size(), 101u);
  EXPECT_EQ(outX.front(), 0);
  EXPECT_EQ(outY.front(), 0);
  EXPECT_EQ(outX.back(), 4);
  EXPECT_EQ(outY.back(), 0);
  // With four points and order 4 the clamped spline is the cubic Bezier curve.
  EXPECT_NEAR(outX[50], (0 + 3 * 1 + 3 * 3 + 4) / 8.0, 1e-6);
  EXPECT_NEAR(outY[50], (0 + 3 * 2 + 3 * 2 + 0) / 8.0, 1e-6);

  kw::pathcore::BSplineCurve(x, y, 9, 4, outX, outY, 100);  // n past the control points
  EXPECT_TRUE(outX.empty());
}

TEST(BSplineBasis, ValuesSumToOneInsideTheParameterRange) {
  std::vector<double> basis;
  for (double v = 0; v < 4; v += 0.37) {
    kw::pathcore::BSplineBasis(5, v, 3, basis);
    ASSERT_EQ(basis.size(), 6u);
    EXPECT_NEAR(std::accumulate(basis.begin(), basis.end(), 0.0), 1.0, 1e-12) << v;
  }
  kw::pathcore::BSplineBasis(5, 4, 3, basis);  // the end of the range lies outside every span
  EXPECT_EQ(std::accumulate(basis.begin(), basis.end(), 0.0), 0.0);
  kw::pathcore::BSplineBasis(2, 0.5, 0, basis);
  EXPECT_EQ(basis, std::vector<double>(3, 0.0));
}

}  // namespace
