#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "geometry/smooth_polyline.h"

namespace {

struct Smoothed {
  std::vector<float> x;
  std::vector<float> y;
  int32_t count = -1;
};

// Points go in at 1..count as the document hands them over.
Smoothed Smooth(std::vector<float> x, std::vector<float> y) {
  x.insert(x.begin(), 0);
  y.insert(y.begin(), 0);
  Smoothed s;
  kw::pathcore::SmoothPolyline(x, y, static_cast<int32_t>(x.size()), 3, s.x, s.y, s.count);
  return s;
}

TEST(SmoothPolyline, SharpCornerStaysAndRepeatedPointsGo) {
  const Smoothed s = Smooth({0, 5, 5.0005f, 5}, {0, 0, 0.0005f, 5});
  ASSERT_EQ(s.count, 4);  // two one-segment runs, each copied whole
  EXPECT_EQ(s.x, (std::vector<float>{0, 0, 5, 5, 5}));
  EXPECT_EQ(s.y, (std::vector<float>{0, 0, 0, 0, 5}));
}

TEST(SmoothPolyline, GentleArcBecomesOneDenseCurveNearTheCircle) {
  std::vector<float> x;
  std::vector<float> y;
  for (int i = 0; i <= 10; ++i) {
    const double radians = i * 9 * 3.14159265358979 / 180;
    x.push_back(static_cast<float>(10 * std::cos(radians)));
    y.push_back(static_cast<float>(10 * std::sin(radians)));
  }
  const Smoothed s = Smooth(x, y);
  ASSERT_GT(s.count, 100);  // about one point every 0.1 mm
  ASSERT_EQ(s.x.size(), static_cast<size_t>(s.count) + 1);
  EXPECT_EQ(s.x[1], x.front());
  EXPECT_EQ(s.y[s.count], y.back());
  for (int32_t i = 1; i <= s.count; ++i) {
    const double r = std::hypot(s.x[i], s.y[i]);
    EXPECT_TRUE(r > 9.8 && r < 10.001) << i << ": " << r;
  }
}

TEST(SmoothPolyline, FewerThanTwoDistinctPointsGiveNothing) {
  EXPECT_EQ(Smooth({}, {}).count, 0);
  EXPECT_EQ(Smooth({3}, {3}).count, 0);
  EXPECT_EQ(Smooth({3, 3.0002f}, {3, 3}).count, 0);
}

}  // namespace
