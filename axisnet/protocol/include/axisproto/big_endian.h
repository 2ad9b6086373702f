// Big-endian fields of the controller's data fields, written and read through
// the project's byte writer and bounds-checked reader.
#pragma once

#include <cstdint>

#include "support/byte_reader.h"
#include "support/byte_writer.h"

namespace kw::axisnet {

inline void PutBe16(ByteWriter& w, uint16_t v) {
  w.U8(static_cast<uint8_t>(v >> 8));
  w.U8(static_cast<uint8_t>(v));
}

inline void PutBe32(ByteWriter& w, int32_t v) {
  const auto u = static_cast<uint32_t>(v);
  for (int shift = 24; shift >= 0; shift -= 8) w.U8(static_cast<uint8_t>(u >> shift));
}

inline uint16_t ReadBe16(ByteReader& r) {
  const uint16_t high = r.U8();
  return static_cast<uint16_t>((high << 8) | r.U8());
}

inline int32_t ReadBe32(ByteReader& r) {
  uint32_t u = 0;
  for (int i = 0; i < 4; ++i) u = (u << 8) | r.U8();
  return static_cast<int32_t>(u);
}

}  // namespace kw::axisnet
