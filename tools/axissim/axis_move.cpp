#include "axissim/axis_move.h"

namespace kw::axissim {
namespace {
constexpr double kSlowestSpeed = 1.0;  // pulses/s; a zero speed would never arrive
}

AxisMove::AxisMove(double start_time, double start_position, int32_t distance, int32_t start_speed,
                   int32_t acceleration, int32_t speed)
    : start_time_(start_time),
      start_position_(start_position),
      direction_(distance > 0 ? 1 : (distance < 0 ? -1 : 0)),
      profile_(distance, start_speed, acceleration, speed, kSlowestSpeed) {}

double AxisMove::PositionAt(double time) const {
  return start_position_ + direction_ * profile_.DistanceAt(time - start_time_);
}

}  // namespace kw::axissim
