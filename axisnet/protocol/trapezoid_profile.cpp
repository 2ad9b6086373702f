#include "axisproto/trapezoid_profile.h"

#include <algorithm>
#include <cmath>

namespace kw::axisnet {

TrapezoidProfile::TrapezoidProfile(double length, double start_speed, double acceleration, double speed,
                                   double slowest)
    : length_(std::fabs(length)) {
  const double top = std::max({speed, start_speed, slowest});
  v0_ = std::clamp(start_speed, slowest, top);
  accel_ = std::max(0.0, acceleration);
  if (length_ == 0) return;
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
  total_time_ = 2 * ramp_time_ + std::max(0.0, length_ - 2 * ramp_length_) / vpeak_;
}

double TrapezoidProfile::DistanceAt(double elapsed) const {
  if (elapsed <= 0) return 0;
  if (elapsed >= total_time_) return length_;
  if (accel_ == 0) return vpeak_ * elapsed;
  if (elapsed < ramp_time_) return v0_ * elapsed + accel_ * elapsed * elapsed / 2;
  const double cruise_time = total_time_ - 2 * ramp_time_;
  if (elapsed < ramp_time_ + cruise_time) return ramp_length_ + vpeak_ * (elapsed - ramp_time_);
  const double left = total_time_ - elapsed;  // the ramp down mirrors the ramp up
  return std::min(length_, length_ - (v0_ * left + accel_ * left * left / 2));
}

}  // namespace kw::axisnet
