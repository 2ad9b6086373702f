#include "axissim/axis_move.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace kw::axissim {
namespace {
constexpr double kSlowestSpeed = 1.0;  // pulses/s; a zero speed would never arrive
}

AxisMove::AxisMove(double start_time, double start_position, int32_t distance, int32_t start_speed,
                   int32_t acceleration, int32_t speed)
    : start_time_(start_time),
      start_position_(start_position),
      direction_(distance > 0 ? 1 : (distance < 0 ? -1 : 0)),
      length_(std::fabs(static_cast<double>(distance))) {
  const double top = std::max({static_cast<double>(speed), static_cast<double>(start_speed), kSlowestSpeed});
  v0_ = std::clamp(static_cast<double>(start_speed), kSlowestSpeed, top);
  accel_ = std::max(0.0, static_cast<double>(acceleration));
  if (accel_ == 0 || top <= v0_) {
    accel_ = 0;
    vpeak_ = top;
    total_time_ = length_ / top;
    return;
  }
  // The ramp up and the ramp down share the length; a short move never reaches the speed.
  const double full_ramp = (top * top - v0_ * v0_) / (2 * accel_);
  vpeak_ = 2 * full_ramp <= length_ ? top : std::sqrt(v0_ * v0_ + accel_ * length_);
  ramp_time_ = (vpeak_ - v0_) / accel_;
  ramp_length_ = (vpeak_ * vpeak_ - v0_ * v0_) / (2 * accel_);
  total_time_ = 2 * ramp_time_ + (length_ - 2 * ramp_length_) / vpeak_;
}

double AxisMove::DistanceAt(double elapsed) const {
  if (elapsed <= 0) return 0;
  if (elapsed >= total_time_) return length_;
  if (accel_ == 0) return vpeak_ * elapsed;
  if (elapsed < ramp_time_) return v0_ * elapsed + accel_ * elapsed * elapsed / 2;
  const double cruise_time = total_time_ - 2 * ramp_time_;
  if (elapsed < ramp_time_ + cruise_time) return ramp_length_ + vpeak_ * (elapsed - ramp_time_);
  const double left = total_time_ - elapsed;  // the ramp down mirrors the ramp up
  return length_ - (v0_ * left + accel_ * left * left / 2);
}

double AxisMove::PositionAt(double time) const {
  return start_position_ + direction_ * std::min(length_, DistanceAt(time - start_time_));
}

}  // namespace kw::axissim
