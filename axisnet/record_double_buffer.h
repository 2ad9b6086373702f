// The two record buffers of layout mode 1: the caller fills one while the batch
// worker sends the other. Not locked itself: the owner holds the buffer lock.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "axisproto/batch_record.h"

namespace kw::axisnet {

class RecordDoubleBuffer {
 public:
  // One 0x42 frame carries at most this many records.
  static constexpr size_t kFillLimit = 41;

  // False when the fill buffer is full; the caller tries again later.
  bool Add(const BatchRecord& record);
  // Hands the fill buffer to the sender when it holds records and nothing is pending.
  bool HandOverFill();
  // The records of the send buffer the controller has not yet taken.
  std::span<const BatchRecord> Pending() const;
  // The controller took count records; a count beyond the pending ones is capped.
  void Taken(size_t count);
  void Clear();

  bool HoldsRecords() const { return !buffers_[0].empty() || !buffers_[1].empty(); }

 private:
  std::array<std::vector<BatchRecord>, 2> buffers_;
  uint8_t fill_index_ = 0;
  uint8_t send_index_ = 0;
  size_t pending_ = 0;
  size_t offset_ = 0;
};

}  // namespace kw::axisnet
