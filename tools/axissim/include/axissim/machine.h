// The simulated machine: four axes with position counters and trapezoid moves,
// limit switches, general inputs and outputs, and the batch buffer that is
// consumed along the path, each record one line with its own trapezoid. Time is simulated seconds, handed in by the caller.
// The tool path records the machine's own events (a move starting, stopping or
// ending, a limit switch reached, a batch corner) at the moment they happen, so
// it does not depend on how often or how late the host looks.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>

#include "axisproto/batch_record.h"
#include "axisproto/batch_segment.h"
#include "axisproto/trapezoid_profile.h"
#include "axissim/axis_move.h"
#include "axissim/sim_config.h"
#include "axissim/tool_path.h"

namespace kw::axissim {

class Machine {
 public:
  explicit Machine(const SimConfig& config) : config_(config) { RecordSample(0); }

  // Brings every motion up to time t (simulated s), handling and recording
  // each event on the way at its own time; earlier times are ignored.
  void AdvanceTo(double t);

  // Axes are 1..4 as the controller numbers them; others are ignored.
  void Move(int axis, int32_t distance, int32_t start_speed, int32_t acceleration, int32_t speed);
  void Stop(int axis);
  void SetPosition(int axis, int32_t position);
  int32_t Position(int axis) const;  // pulses
  uint16_t MotionBits() const;       // bit n-1 set while axis n moves
  void SetLimitsDisabled(bool disabled) { limits_disabled_ = disabled; }
  bool LimitsDisabled() const { return limits_disabled_; }
  uint16_t LimitBits() const;        // bit 0 X+, bit 1 Y-, bit 2 Z+ switch pressed

  // Batch buffer: returns how many the buffer took.
  size_t QueueRecords(std::span<const axisnet::BatchRecord> records);
  size_t QueueSegments(std::span<const axisnet::BatchSegment> segments);
  size_t BatchQueued() const { return targets_.size() + (line_ ? 1 : 0); }
  // The start speed (pulses/s) and acceleration (pulses/s²) of the batch
  // settings: every record queued after this is one line that speeds up from
  // the start speed and slows down to it again by the line's end.
  void SetBatchRamp(int32_t start_speed, int32_t acceleration) {
    batch_start_speed_ = start_speed;
    batch_acceleration_ = acceleration;
  }

  ToolPath& Path() { return path_; }
  double Now() const { return now_; }
  // Simulated seconds the axes spent moving: the durations of every
  // single-axis move and every batch line so far, each counted on its own.
  // Time standing still waiting for the host does not count.
  double MotionSeconds() const;

 private:
  struct Axis {
    double counter = 0;  // pulses, as the controller reports it
    double offset = 0;   // pulses; counter + offset is where the axis physically is
    std::optional<AxisMove> move;
  };
  struct Target {
    double x, y, z;  // pulses, controller axes 1, 2, 3
    double speed;    // pulses/s along the path
    double start_speed, acceleration;  // pulses/s and pulses/s²; no acceleration: constant speed
  };
  struct Line {
    std::array<double, 3> from, to;     // pulses
    double start, end;                  // simulated s
    axisnet::TrapezoidProfile profile;  // pulses along the line
  };

  std::optional<double> NextEvent(double t) const;
  std::optional<double> MoveEvent(int index, double t) const;
  std::optional<double> BatchEvent(double t) const;
  void StepTo(double t);
  void StepMove(int index, double t);
  void StepBatch(double t);
  void EndMove(Axis& axis, double t);
  void StartLine();
  bool PastLimit(int index, double counter, int direction) const;
  double LimitCounter(int index) const;
  void RecordSample(double t);
  double PathSpeed(int32_t speed) const;

  SimConfig config_;
  double now_ = 0;  // s
  std::array<Axis, 4> axes_{};
  bool limits_disabled_ = false;

  std::deque<Target> targets_;
  std::optional<Line> line_;
  double batch_time_ = 0;            // s, how far the batch motion has been computed
  int32_t batch_start_speed_ = 1000;  // pulses/s
  int32_t batch_acceleration_ = 0;    // pulses/s²; 0 until the batch settings arrive
  double segment_speed_ = 1000;       // pulses/s, set by type-4 segments
  double moved_seconds_ = 0;          // s, moves and lines already over
  ToolPath path_;
};

}  // namespace kw::axissim
