// Layout mode 0 turns each queued point into five segments: the target speed,
// the start speed, a line up to the deceleration point, the deceleration mark
// and the line to the point itself.
#pragma once

#include <cstdint>
#include <vector>

#include "axisproto/batch_segment.h"

namespace kw::axisnet {

struct QueuedPoint {
  int32_t x = 0;          // pulses
  int32_t y = 0;          // pulses
  int32_t z = 0;          // pulses
  int32_t speed = 0;      // pulses/s
  int32_t auxiliary = 0;
};

struct Position3 {
  int32_t x = 0;  // pulses
  int32_t y = 0;  // pulses
  int32_t z = 0;  // pulses
};

struct RampSettings {
  int32_t start_speed = 1000;    // pulses/s
  int32_t acceleration = 50000;  // pulses/s²
};

// Appends the five segments of one point to out and moves from to the point.
// A point at the current position has no length to ramp over and adds nothing.
void ExpandTrapezoid(const QueuedPoint& point, const RampSettings& ramp, Position3& from,
                     std::vector<BatchSegment>& out);

}  // namespace kw::axisnet
