#include <gtest/gtest.h>

#include <vector>

#include "geometry/direction_code.h"
#include "geometry/knife_compensation.h"

namespace {

TEST(SimplifyPath, ClosedSquareKeepsCornersAndGetsARunOn) {
  std::vector<float> x{0, 10, 10.02f, 10, 0, 0};
  std::vector<float> y{0, 0, 0.01f, 10, 10, 0.05f};
  int32_t n = 6;
  kw::pathcore::SimplifyPath(0.05f, 1.45f, 0.1f, n, x, y);
  ASSERT_EQ(n, 6);
  EXPECT_EQ(x, (std::vector<float>{0, 10, 10, 0, 0, 1.45f}));
  EXPECT_EQ(y, (std::vector<float>{0, 0, 10, 10, 0.05f, 0}));
}

TEST(SimplifyPath, OpenAndSinglePointPathsGetNoRunOn) {
  std::vector<float> x{0, 10, 10};
  std::vector<float> y{0, 0, 10};
  int32_t n = 3;
  kw::pathcore::SimplifyPath(0.05f, 1.45f, 0.1f, n, x, y);
  EXPECT_EQ(n, 3);
  x = {4};
  y = {4};
  n = 5;  // more than the arrays hold
  kw::pathcore::SimplifyPath(0.05f, 1.45f, 0.1f, n, x, y);
  EXPECT_EQ(n, 1);
}

struct Knife {
  int16_t cls = 0;
  float offsetX = 0.5f;
  float offsetY = 0;
};

TEST(KnifeOffsetPath, SquareSwivelsThroughEveryClassAtEachCorner) {
  std::vector<float> x{0, 10, 10, 0, 0};
  std::vector<float> y{0, 0, 10, 10, 0};
  int32_t n = 5;
  Knife k;
  kw::pathcore::KnifeOffsetPath(x, y, n, k.cls, k.offsetX, k.offsetY, 0.5f, 2);
  ASSERT_EQ(n, 18);  // 1 + 3 corners x (2 + 3 swivel points) + 1 end point
  ASSERT_EQ(x.size(), 18u);
  EXPECT_FLOAT_EQ(x[1], 0.5f);
  EXPECT_FLOAT_EQ(x[2], 10.5f);  // corner reached with the old offset
  float sx = 0;
  float sy = 0;
  for (int16_t cls = 1; cls <= 3; ++cls) {
    kw::pathcore::StepPointByCode(cls, 0.5f, 10, 0, sx, sy);
    EXPECT_EQ(x[2 + cls], sx);
    EXPECT_EQ(y[2 + cls], sy);
  }
  EXPECT_NEAR(x[6], 10, 1e-5);
  EXPECT_NEAR(y[6], 0.5, 1e-6);
  EXPECT_NEAR(x[17], 0, 1e-5);
  EXPECT_NEAR(y[17], -0.5, 1e-6);
  EXPECT_EQ(k.cls, 12);
  EXPECT_NEAR(k.offsetY, -0.5, 1e-6);
}

TEST(KnifeOffsetPath, SwivelWrapsPastZeroAndShortMovesAreSkipped) {
  // Class 14 to class 2 is shorter upwards: 15, 0, 1.
  std::vector<float> x{0, 0.01f, 3};
  std::vector<float> y{0, 0.01f, 5.196f};
  int32_t n = 3;
  Knife k{14, 0.35f, -0.35f};
  kw::pathcore::KnifeOffsetPath(x, y, n, k.cls, k.offsetX, k.offsetY, 0.5f, 2);
  ASSERT_EQ(n, 7);
  float sx = 0;
  float sy = 0;
  kw::pathcore::StepPointByCode(15, 0.5f, 0.01f, 0.01f, sx, sy);
  EXPECT_EQ(x[2], sx);
  kw::pathcore::StepPointByCode(1, 0.5f, 0.01f, 0.01f, sx, sy);
  EXPECT_EQ(y[4], sy);
  EXPECT_EQ(k.cls, 2);
}

TEST(KnifeOffsetPath, AllowedTurnsAddNoSwivel) {
  std::vector<float> x{0, 10, 10};
  std::vector<float> y{0, 0, 10};
  int32_t n = 3;
  Knife k;
  kw::pathcore::KnifeOffsetPath(x, y, n, k.cls, k.offsetX, k.offsetY, 0.5f, 8);
  EXPECT_EQ(n, 4);
}

}  // namespace
