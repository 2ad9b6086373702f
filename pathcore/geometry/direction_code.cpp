#include "geometry/direction_code.h"

#include <cmath>

namespace kw::pathcore {

namespace {

constexpr double kAxisLimit = 0.0001;   // |dx| or |dy| up to this counts as on an axis
constexpr double kNearXRatio = 2.4751;  // |dx|/|dy| beyond this: within about 22 degrees of X
constexpr double kNearYRatio = 0.404;   // |dx|/|dy| below this: within about 22 degrees of Y

// base + 0..3 counted from the X axis inside one quadrant. The quadrants of
// classes 0..3 and 8..11 give the 45-degree line and the ratio thresholds to the
// class nearer the Y axis, the other two (inclusiveBounds) to the one nearer X.
int16_t ClassInQuadrant(float ax, float ay, float e, int16_t base, bool inclusiveBounds) {
  int16_t step = 0;
  if (inclusiveBounds) {
    if (ax >= ay) step = e >= kNearXRatio ? 0 : 1;
    else step = e >= kNearYRatio ? 2 : 3;
  } else {
    if (ax > ay) step = e > kNearXRatio ? 0 : 1;
    else step = e > kNearYRatio ? 2 : 3;
  }
  return static_cast<int16_t>(base + step);
}

constexpr double kCos[16] = {1,        0.92388,  0.7071,   0.38268, 0,       -0.38268,
                             -0.7071,  -0.92388, -1,       -0.92388, -0.7071, -0.38268,
                             0,        0.38268,  0.7071,   0.92388};
constexpr double kSin[16] = {0,        0.38268,  0.7071,   0.92388,  1,        0.92388,
                             0.7071,   0.38268,  0,        -0.38268, -0.7071,  -0.92388,
                             -1,       -0.92388, -0.7071,  -0.38268};

}  // namespace

int16_t DirectionCode16(float x1, float x2, float y1, float y2) {
  const float dx = x2 - x1;
  const float dy = y2 - y1;
  if (std::fabs(dx) <= kAxisLimit) return dy > 0 ? 4 : 12;
  if (std::fabs(dy) <= kAxisLimit) return dx > 0 ? 0 : 8;
  const float ax = std::fabs(dx);
  const float ay = std::fabs(dy);
  const float e = ax / ay;
  if (dx > 0 && dy > 0) return ClassInQuadrant(ax, ay, e, 0, false);
  if (dx < 0 && dy < 0) return ClassInQuadrant(ax, ay, e, 8, false);
  // The other two quadrants count their classes backwards from 7 and 15.
  const int16_t mirroredBase = dx < 0 ? 7 : 15;
  return static_cast<int16_t>(mirroredBase - ClassInQuadrant(ax, ay, e, 0, true));
}

void StepPointByCode(int16_t d, float r, float x, float y, float& outX, float& outY) {
  if (d < 0 || d > 15) return;
  const bool vertical = d == 4 || d == 12;
  const bool horizontal = d == 0 || d == 8;
  outX = vertical ? x : static_cast<float>(x + r * kCos[d]);
  outY = horizontal ? y : static_cast<float>(y + r * kSin[d]);
}

}  // namespace kw::pathcore
