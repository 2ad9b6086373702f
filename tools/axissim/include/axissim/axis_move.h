// One single-axis relative move with a trapezoid speed profile: ramp from the
// start speed up to the speed, cruise, ramp down again over the same distance.
#pragma once

#include <cstdint>

#include "axisproto/trapezoid_profile.h"

namespace kw::axissim {

class AxisMove {
 public:
  AxisMove() = default;
  // Times in simulated seconds; distance in pulses, speeds pulses/s, acceleration pulses/s².
  AxisMove(double start_time, double start_position, int32_t distance, int32_t start_speed, int32_t acceleration,
           int32_t speed);

  double PositionAt(double time) const;  // pulses
  double StartTime() const { return start_time_; }
  double EndTime() const { return start_time_ + profile_.Seconds(); }
  double EndPosition() const { return start_position_ + direction_ * profile_.Length(); }
  int Direction() const { return direction_; }
  void Shift(double offset) { start_position_ += offset; }

 private:
  double start_time_ = 0;      // s
  double start_position_ = 0;  // pulses
  int direction_ = 0;
  axisnet::TrapezoidProfile profile_;  // pulses and seconds
};

}  // namespace kw::axissim
