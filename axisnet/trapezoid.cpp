#include "trapezoid.h"

#include <algorithm>
#include <cmath>

namespace kw::axisnet {
namespace {

int64_t IntegerSqrt(int64_t square) {
  auto root = static_cast<int64_t>(std::sqrt(static_cast<long double>(square)));
  while (root > 0 && root * root > square) --root;
  while ((root + 1) * (root + 1) <= square) ++root;
  return root;
}

// Distance needed to ramp from zero to speed; without an acceleration there is no ramp.
int64_t RampDistance(int64_t speed, int64_t acceleration) {
  if (acceleration <= 0) return 0;
  return speed * speed / (2 * acceleration);
}

int32_t Along(int32_t origin, int64_t delta, int64_t part, int64_t whole) {
  return static_cast<int32_t>(origin + delta * part / whole);
}

}  // namespace

void ExpandTrapezoid(const QueuedPoint& point, const RampSettings& ramp, Position3& from,
                     std::vector<BatchSegment>& out) {
  const int64_t dx = int64_t{point.x} - from.x;
  const int64_t dy = int64_t{point.y} - from.y;
  const int64_t dz = int64_t{point.z} - from.z;
  const int64_t length = IntegerSqrt(dx * dx + dy * dy + dz * dz);
  if (length == 0) return;

  const int64_t ramp_difference =
      RampDistance(point.speed, ramp.acceleration) - RampDistance(ramp.start_speed, ramp.acceleration);
  // A target speed below the start speed needs no braking distance; without the
  // floor at 0 the braking point would lie beyond the end of the line.
  const int64_t decelerate_at =
      ramp_difference >= length / 2 ? length / 2 : length - std::max<int64_t>(ramp_difference, 0);

  out.push_back({kSegmentSpeed, 0, 0, 0, point.speed, 0});
  out.push_back({kSegmentStartSpeed, 0, 0, 0, ramp.start_speed, 0});
  out.push_back({kSegmentLine, Along(from.x, dx, decelerate_at, length), Along(from.y, dy, decelerate_at, length),
                 Along(from.z, dz, decelerate_at, length), static_cast<int32_t>(decelerate_at), point.auxiliary});
  out.push_back({kSegmentDecelerate, 0, 0, 0, 0, 0});
  out.push_back({kSegmentLine, point.x, point.y, point.z, static_cast<int32_t>(length - decelerate_at),
                 point.auxiliary});
  from = {point.x, point.y, point.z};
}

}  // namespace kw::axisnet
