#include "point_queue.h"

namespace kw::axisnet {

bool PointQueue::Add(const QueuedPoint& point) {
  if (full_) return false;
  ring_[write_] = point;
  write_ = (write_ + 1) % kCapacity;
  if (write_ == read_) full_ = true;
  empty_ = false;
  return true;
}

std::optional<QueuedPoint> PointQueue::Take() {
  if (empty_) return std::nullopt;
  const QueuedPoint point = ring_[read_];
  read_ = (read_ + 1) % kCapacity;
  if (read_ == write_) empty_ = true;
  full_ = false;
  return point;
}

void PointQueue::Clear() {
  read_ = 0;
  write_ = 0;
  full_ = false;
  empty_ = true;
}

}  // namespace kw::axisnet
