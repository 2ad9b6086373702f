#include "axisproto/batch_segment.h"

#include <stdexcept>

#include "axisproto/big_endian.h"

namespace kw::axisnet {

std::vector<uint8_t> EncodeSegments(std::span<const BatchSegment> segments) {
  if (segments.size() > 255) throw std::length_error("too many segments for one frame");
  ByteWriter w;
  w.Reserve(1 + segments.size() * kSegmentBytes);
  w.U8(static_cast<uint8_t>(segments.size()));
  for (const BatchSegment& s : segments) {
    w.U8(s.type);
    PutBe32(w, s.x);
    PutBe32(w, s.y);
    PutBe32(w, s.z);
    PutBe32(w, s.speed_or_length);
    PutBe32(w, s.auxiliary);
  }
  return w.Take();
}

std::vector<BatchSegment> DecodeSegments(std::span<const uint8_t> data) {
  ByteReader r(data);
  const uint8_t count = r.U8();
  r.Require(count, kSegmentBytes);
  std::vector<BatchSegment> segments(count);
  for (BatchSegment& s : segments) {
    s.type = r.U8();
    s.x = ReadBe32(r);
    s.y = ReadBe32(r);
    s.z = ReadBe32(r);
    s.speed_or_length = ReadBe32(r);
    s.auxiliary = ReadBe32(r);
  }
  return segments;
}

}  // namespace kw::axisnet
