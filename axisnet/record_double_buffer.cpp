#include "record_double_buffer.h"

#include <algorithm>

namespace kw::axisnet {

bool RecordDoubleBuffer::Add(const BatchRecord& record) {
  std::vector<BatchRecord>& fill = buffers_[fill_index_];
  if (fill.size() >= kFillLimit) return false;
  fill.push_back(record);
  return true;
}

bool RecordDoubleBuffer::HandOverFill() {
  if (pending_ > 0 || buffers_[fill_index_].empty()) return false;
  send_index_ = fill_index_;
  fill_index_ = static_cast<uint8_t>(1 - fill_index_);
  buffers_[fill_index_].clear();
  pending_ = buffers_[send_index_].size();
  offset_ = 0;
  return true;
}

std::span<const BatchRecord> RecordDoubleBuffer::Pending() const {
  return std::span<const BatchRecord>(buffers_[send_index_]).subspan(offset_, pending_);
}

void RecordDoubleBuffer::Taken(size_t count) {
  count = std::min(count, pending_);
  pending_ -= count;
  offset_ += count;
  if (pending_ == 0) {
    buffers_[send_index_] = {};
    offset_ = 0;
  }
}

void RecordDoubleBuffer::Clear() {
  buffers_[0] = {};
  buffers_[1] = {};
  pending_ = 0;
  offset_ = 0;
}

}  // namespace kw::axisnet
