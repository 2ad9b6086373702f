// Little-endian writer for the program's byte formats (document image, layer
// blocks, project file, bitmap headers): explicit byte order, no padding.
#pragma once

#include <bit>
#include <cstdint>
#include <span>
#include <vector>

namespace kw {

class ByteWriter {
 public:
  void U8(uint8_t v) { bytes_.push_back(v); }
  void I16(int16_t v) { Put(static_cast<uint16_t>(v), 2); }
  void U16(uint16_t v) { Put(v, 2); }
  void I32(int32_t v) { Put(static_cast<uint32_t>(v), 4); }
  void U32(uint32_t v) { Put(v, 4); }
  void F32(float v) { Put(std::bit_cast<uint32_t>(v), 4); }
  void F64(double v) { Put(std::bit_cast<uint64_t>(v), 8); }
  // A Boolean of the byte formats: 16 bits, -1 for True and 0 for False.
  void Bool16(bool v) { I16(v ? -1 : 0); }
  void Bytes(std::span<const uint8_t> data) { bytes_.insert(bytes_.end(), data.begin(), data.end()); }

  void Reserve(size_t n) { bytes_.reserve(n); }
  size_t Size() const { return bytes_.size(); }
  const std::vector<uint8_t>& Data() const { return bytes_; }
  std::vector<uint8_t> Take() { return std::move(bytes_); }

 private:
  void Put(uint64_t v, int width) {
    for (int i = 0; i < width; ++i) bytes_.push_back(static_cast<uint8_t>(v >> (8 * i)));
  }
  std::vector<uint8_t> bytes_;
};

}  // namespace kw
