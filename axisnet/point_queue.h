// The ring of 50 points that layout mode 0 queues between the caller and the
// batch worker. Not locked itself: the owner holds the queue lock.
#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "trapezoid.h"

namespace kw::axisnet {

class PointQueue {
 public:
  static constexpr size_t kCapacity = 50;

  // False when the queue is full; nothing is stored then.
  bool Add(const QueuedPoint& point);
  std::optional<QueuedPoint> Take();
  void Clear();

  bool Empty() const { return empty_; }
  bool Full() const { return full_; }

 private:
  std::array<QueuedPoint, kCapacity> ring_{};
  size_t read_ = 0;
  size_t write_ = 0;
  bool full_ = false;
  bool empty_ = true;
};

}  // namespace kw::axisnet
