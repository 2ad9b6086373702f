// The speed profile the controller drives one move with: from the start speed
// up to the speed at the acceleration, cruise, and down again over the same
// distance, so the move ends at the start speed. The simulated controller
// moves its axes and batch lines along it and the run's estimate adds up its
// durations, so both share this one piece of arithmetic. Units are the
// caller's (pulses or mm, per second).
#pragma once

namespace kw::axisnet {

class TrapezoidProfile {
 public:
  TrapezoidProfile() = default;
  // length is taken without its sign; slowest is the speed put in for a
  // speed of 0, which would never arrive. Without acceleration, or with a
  // speed not above the start speed, the move runs at the higher of the two.
  TrapezoidProfile(double length, double start_speed, double acceleration, double speed, double slowest);

  double Seconds() const { return total_time_; }
  double Length() const { return length_; }
  // Distance covered after elapsed seconds, 0 before the start and the whole length after the end.
  double DistanceAt(double elapsed) const;

 private:
  double length_ = 0;
  double v0_ = 0;           // start speed
  double vpeak_ = 0;        // the speed reached; below the speed on a short move
  double accel_ = 0;        // 0 for a move at constant speed
  double ramp_time_ = 0;
  double ramp_length_ = 0;
  double total_time_ = 0;
};

}  // namespace kw::axisnet
