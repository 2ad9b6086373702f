#include <gtest/gtest.h>

#include <cmath>

#include "geometry/direction_code.h"

namespace {

int16_t ClassAt(double degrees) {
  const double radians = degrees * 3.14159265358979 / 180;
  return kw::pathcore::DirectionCode16(1, static_cast<float>(1 + 5 * std::cos(radians)), 2,
                                   static_cast<float>(2 + 5 * std::sin(radians)));
}

TEST(DirectionCode16, ClassesAroundTheCircle) {
  const struct {
    double degrees;
    int16_t expected;
  } cases[] = {{10, 0},   {30, 1},   {60, 2},   {80, 3},   {100, 4},  {120, 5},
               {150, 6},  {170, 7},  {190, 8},  {210, 9},  {240, 10}, {260, 11},
               {280, 12}, {300, 13}, {330, 14}, {350, 15}, {21.9, 0}, {22.1, 1},
               {67.9, 2}, {68.1, 3}};
  for (const auto& c : cases) EXPECT_EQ(ClassAt(c.degrees), c.expected) << c.degrees;
}

TEST(DirectionCode16, DiagonalsAndAxesFollowTheBoundaryRows) {
  EXPECT_EQ(kw::pathcore::DirectionCode16(0, 1, 0, 1), 2);
  EXPECT_EQ(kw::pathcore::DirectionCode16(0, -1, 0, 1), 6);
  EXPECT_EQ(kw::pathcore::DirectionCode16(0, -1, 0, -1), 10);
  EXPECT_EQ(kw::pathcore::DirectionCode16(0, 1, 0, -1), 14);
  EXPECT_EQ(kw::pathcore::DirectionCode16(0, 0.00005f, 0, 3), 4);
  EXPECT_EQ(kw::pathcore::DirectionCode16(0, 0.00005f, 0, -3), 12);
  EXPECT_EQ(kw::pathcore::DirectionCode16(5, 5, 5, 5), 12);
  EXPECT_EQ(kw::pathcore::DirectionCode16(0, 3, 0, 0.00005f), 0);
  EXPECT_EQ(kw::pathcore::DirectionCode16(0, -3, 0, -0.00005f), 8);
}

TEST(StepPointByCode, StepsByTableAndCopiesTheUnchangedCoordinate) {
  float x = -1;
  float y = -1;
  kw::pathcore::StepPointByCode(4, 2, 1.1f, 3.3f, x, y);
  EXPECT_EQ(x, 1.1f);
  EXPECT_FLOAT_EQ(y, 5.3f);
  kw::pathcore::StepPointByCode(8, 2, 1.1f, 3.3f, x, y);
  EXPECT_FLOAT_EQ(x, -0.9f);
  EXPECT_EQ(y, 3.3f);
  kw::pathcore::StepPointByCode(16, 2, 0, 0, x, y);
  EXPECT_FLOAT_EQ(x, -0.9f);
}

}  // namespace
