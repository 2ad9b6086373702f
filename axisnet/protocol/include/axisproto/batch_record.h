// The record of layout mode 1 and its 0x42 data field: a count byte, then the
// records as five little-endian 32-bit values each (the one little-endian field
// of the protocol).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace kw::axisnet {

struct BatchRecord {
  int32_t x = 0;          // pulses
  int32_t y = 0;          // pulses
  int32_t z = 0;          // pulses
  int32_t auxiliary = 0;
  int32_t speed = 0;      // pulses/s
  friend bool operator==(const BatchRecord&, const BatchRecord&) = default;
};

inline constexpr size_t kRecordBytes = 20;
inline constexpr size_t kMaxRecordsPerFrame = 255;  // the count is one byte

std::vector<uint8_t> EncodeRecords(std::span<const BatchRecord> records);
// Throws ReadPastEnd when the field is shorter than its count says.
std::vector<BatchRecord> DecodeRecords(std::span<const uint8_t> data);

}  // namespace kw::axisnet
