// The segment of layout mode 0 and its 0x40 data field: a count byte, then per
// segment a type byte and five big-endian 32-bit values.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace kw::axisnet {

// Segment types as the trapezoid expansion emits them; their meaning is the controller's.
enum SegmentType : uint8_t { kSegmentLine = 0, kSegmentStartSpeed = 2, kSegmentDecelerate = 3, kSegmentSpeed = 4 };

struct BatchSegment {
  uint8_t type = 0;
  int32_t x = 0;             // pulses
  int32_t y = 0;             // pulses
  int32_t z = 0;             // pulses
  int32_t speed_or_length = 0;  // pulses/s for types 2 and 4, pulses for type 0
  int32_t auxiliary = 0;
  friend bool operator==(const BatchSegment&, const BatchSegment&) = default;
};

inline constexpr size_t kSegmentBytes = 21;
inline constexpr size_t kMaxSegmentsPerFrame = 100;

std::vector<uint8_t> EncodeSegments(std::span<const BatchSegment> segments);
// Throws ReadPastEnd when the field is shorter than its count says.
std::vector<BatchSegment> DecodeSegments(std::span<const uint8_t> data);

}  // namespace kw::axisnet
