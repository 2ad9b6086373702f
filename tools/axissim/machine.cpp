#include "axissim/machine.h"

#include <algorithm>
#include <cmath>

namespace kw::axissim {
namespace {

constexpr int kAxisX = 0;
constexpr int kAxisY = 1;
constexpr int kAxisZ = 3;  // the tool axis is controller axis 4
constexpr int kBisections = 48;
constexpr double kSlowestLineSpeed = 1.0;  // pulses/s; a zero speed would never arrive

bool ValidIndex(int axis) { return axis >= 1 && axis <= 4; }

}  // namespace

void Machine::AdvanceTo(double t) {
  if (t < now_) return;
  for (std::optional<double> event = NextEvent(t); event; event = NextEvent(t)) {
    StepTo(*event);
    RecordSample(*event);
  }
  StepTo(t);
}

// The earliest moment up to t at which a move ends or a batch line ends or starts.
std::optional<double> Machine::NextEvent(double t) const {
  std::optional<double> next = BatchEvent(t);
  for (int i = 0; i < 4; ++i) {
    const std::optional<double> event = MoveEvent(i, t);
    if (event && (!next || *event < *next)) next = event;
  }
  return next;
}

// A move that runs into an active limit switch stops at the switch; the moment
// it got there is found by halving, since the position only grows one way.
std::optional<double> Machine::MoveEvent(int index, double t) const {
  const Axis& axis = axes_[index];
  if (!axis.move) return std::nullopt;
  const AxisMove& move = *axis.move;
  const double until = std::min(t, move.EndTime());
  if (!limits_disabled_ && PastLimit(index, move.PositionAt(until), move.Direction())) {
    double lo = now_, hi = until;
    for (int i = 0; i < kBisections; ++i) {
      const double mid = (lo + hi) / 2;
      (PastLimit(index, move.PositionAt(mid), move.Direction()) ? hi : lo) = mid;
    }
    return hi;
  }
  if (move.EndTime() <= t) return move.EndTime();
  return std::nullopt;
}

std::optional<double> Machine::BatchEvent(double t) const {
  if (line_) return line_->end <= t ? std::optional(line_->end) : std::nullopt;
  if (!targets_.empty() && batch_time_ <= t) return std::max(batch_time_, now_);
  return std::nullopt;
}

void Machine::StepTo(double t) {
  for (int i = 0; i < 4; ++i) StepMove(i, t);
  StepBatch(t);
  now_ = t;
}

void Machine::StepMove(int index, double t) {
  Axis& axis = axes_[index];
  if (!axis.move) return;
  const AxisMove& move = *axis.move;
  const double until = std::min(t, move.EndTime());
  if (!limits_disabled_ && PastLimit(index, move.PositionAt(until), move.Direction())) {
    axis.counter = PastLimit(index, axis.counter, move.Direction()) ? axis.counter : LimitCounter(index);
    return EndMove(axis, until);
  }
  axis.counter = move.PositionAt(until);
  if (t >= move.EndTime()) {
    axis.counter = move.EndPosition();
    EndMove(axis, move.EndTime());
  }
}

void Machine::EndMove(Axis& axis, double t) {
  moved_seconds_ += std::max(0.0, t - axis.move->StartTime());
  axis.move.reset();
}

// A line starts where and when the one before it ended; a batch that ran dry
// starts again when the host queues more.
void Machine::StepBatch(double t) {
  if (!line_ && !targets_.empty() && batch_time_ <= t) StartLine();
  if (!line_) {
    if (targets_.empty()) batch_time_ = std::max(batch_time_, t);
    return;
  }
  const Line line = *line_;
  const double until = std::min(t, line.end);
  const double length = line.profile.Length();
  const double share = length > 0 ? line.profile.DistanceAt(until - line.start) / length : 1.0;
  for (int i = 0; i < 3; ++i) axes_[i].counter = line.from[i] + (line.to[i] - line.from[i]) * share;
  batch_time_ = until;
  if (until < line.end) return;
  moved_seconds_ += line.end - line.start;
  line_.reset();
}

void Machine::StartLine() {
  const Target target = targets_.front();
  targets_.pop_front();
  Line line{{axes_[0].counter, axes_[1].counter, axes_[2].counter}, {target.x, target.y, target.z}, batch_time_,
            batch_time_, {}};
  const double dx = target.x - line.from[0], dy = target.y - line.from[1], dz = target.z - line.from[2];
  line.profile = axisnet::TrapezoidProfile(std::sqrt(dx * dx + dy * dy + dz * dz), target.start_speed,
                                           target.acceleration, target.speed, kSlowestLineSpeed);
  line.end = batch_time_ + line.profile.Seconds();
  line_ = line;
}

// A new move replaces one still under way, from where that one got to.
void Machine::Move(int axis, int32_t distance, int32_t start_speed, int32_t acceleration, int32_t speed) {
  if (!ValidIndex(axis)) return;
  Axis& a = axes_[axis - 1];
  if (a.move) EndMove(a, now_);
  RecordSample(now_);
  a.move = AxisMove(now_, a.counter, distance, start_speed, acceleration, speed);
}

// Both stops end the move where it is: the simulator has no deceleration ramp for stops.
void Machine::Stop(int axis) {
  if (!ValidIndex(axis) || !axes_[axis - 1].move) return;
  EndMove(axes_[axis - 1], now_);
  RecordSample(now_);
}

double Machine::MotionSeconds() const {
  double seconds = moved_seconds_;
  for (const Axis& a : axes_)
    if (a.move) seconds += std::max(0.0, now_ - a.move->StartTime());
  if (line_) seconds += std::clamp(now_ - line_->start, 0.0, line_->end - line_->start);
  return seconds;
}

void Machine::SetPosition(int axis, int32_t position) {
  if (!ValidIndex(axis)) return;
  Axis& a = axes_[axis - 1];
  const double shift = position - a.counter;
  a.offset -= shift;
  a.counter = position;
  if (a.move) a.move->Shift(shift);
}

int32_t Machine::Position(int axis) const {
  if (!ValidIndex(axis)) return 0;
  return static_cast<int32_t>(std::lround(axes_[axis - 1].counter));
}

uint16_t Machine::MotionBits() const {
  uint16_t bits = 0;
  for (int i = 0; i < 4; ++i)
    if (axes_[i].move) bits |= static_cast<uint16_t>(1u << i);
  if (BatchQueued() > 0) bits |= 0x7;
  return bits;
}

uint16_t Machine::LimitBits() const {
  uint16_t bits = 0;
  if (PastLimit(kAxisX, axes_[kAxisX].counter, 1)) bits |= 1;
  if (PastLimit(kAxisY, axes_[kAxisY].counter, -1)) bits |= 2;
  if (PastLimit(kAxisZ, axes_[kAxisZ].counter, 1)) bits |= 4;
  return bits;
}

double Machine::LimitCounter(int index) const {
  const int32_t physical = index == kAxisX ? config_.x_limit : index == kAxisY ? config_.y_limit : config_.z_limit;
  return physical - axes_[index].offset;
}

bool Machine::PastLimit(int index, double counter, int direction) const {
  if (index == kAxisX || index == kAxisZ) return direction > 0 && counter >= LimitCounter(index);
  if (index == kAxisY) return direction < 0 && counter <= LimitCounter(index);
  return false;
}

double Machine::PathSpeed(int32_t speed) const {
  if (speed > 0) return speed;
  return batch_start_speed_ > 0 ? batch_start_speed_ : 1000.0;
}

size_t Machine::QueueRecords(std::span<const axisnet::BatchRecord> records) {
  if (BatchQueued() == 0) batch_time_ = now_;
  const size_t room = config_.batch_capacity > BatchQueued() ? config_.batch_capacity - BatchQueued() : 0;
  const size_t taken = std::min(room, records.size());
  for (size_t i = 0; i < taken; ++i) {
    const axisnet::BatchRecord& r = records[i];
    targets_.push_back({double(r.x), double(r.y), double(r.z), PathSpeed(r.speed), double(batch_start_speed_),
                        double(batch_acceleration_)});
  }
  return taken;
}

// Segments of types 2, 3 and 4 only set speeds; each type-0 segment is one
// line at constant speed, since the link has already split every point into
// its ramp up and ramp down.
size_t Machine::QueueSegments(std::span<const axisnet::BatchSegment> segments) {
  if (BatchQueued() == 0) batch_time_ = now_;
  size_t taken = 0;
  for (const axisnet::BatchSegment& s : segments) {
    if (BatchQueued() >= config_.batch_capacity) break;
    if (s.type == axisnet::kSegmentSpeed) segment_speed_ = PathSpeed(s.speed_or_length);
    if (s.type == axisnet::kSegmentLine)
      targets_.push_back({double(s.x), double(s.y), double(s.z), segment_speed_, segment_speed_, 0});
    ++taken;
  }
  return taken;
}

void Machine::RecordSample(double t) {
  path_.Record({t, axes_[0].counter, axes_[1].counter, axes_[kAxisZ].counter});
}

}  // namespace kw::axissim
