// Bounds-checked little-endian reader for untrusted byte formats. A read past
// the end throws ReadPastEnd; it never touches memory outside the input.
#pragma once

#include <bit>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

namespace kw {

class ReadPastEnd : public std::runtime_error {
 public:
  ReadPastEnd() : std::runtime_error("unexpected end of data") {}
};

class ByteReader {
 public:
  explicit ByteReader(std::span<const uint8_t> data) : data_(data) {}

  uint8_t U8() { return static_cast<uint8_t>(Get(1)); }
  int16_t I16() { return static_cast<int16_t>(Get(2)); }
  uint16_t U16() { return static_cast<uint16_t>(Get(2)); }
  int32_t I32() { return static_cast<int32_t>(Get(4)); }
  uint32_t U32() { return static_cast<uint32_t>(Get(4)); }
  float F32() { return std::bit_cast<float>(static_cast<uint32_t>(Get(4))); }
  double F64() { return std::bit_cast<double>(Get(8)); }
  // A 16-bit Boolean of the byte formats: any non-zero value is True.
  bool Bool16() { return I16() != 0; }

  // The next n bytes as a view into the input.
  std::span<const uint8_t> Bytes(uint64_t n) {
    Require(n);
    auto out = data_.subspan(pos_, static_cast<size_t>(n));
    pos_ += static_cast<size_t>(n);
    return out;
  }
  void Skip(uint64_t n) { Bytes(n); }

  // True when count elements of elementSize bytes remain; lets a parser check a
  // count field before it allocates storage for it.
  bool CanRead(uint64_t count, uint64_t elementSize = 1) const {
    if (elementSize != 0 && count > Remaining() / elementSize) return false;
    return count * elementSize <= Remaining();
  }
  void Require(uint64_t count, uint64_t elementSize = 1) const {
    if (!CanRead(count, elementSize)) throw ReadPastEnd();
  }

  size_t Position() const { return pos_; }
  size_t Remaining() const { return data_.size() - pos_; }
  bool AtEnd() const { return pos_ == data_.size(); }

 private:
  uint64_t Get(int width) {
    Require(static_cast<uint64_t>(width));
    uint64_t v = 0;
    for (int i = 0; i < width; ++i) v |= static_cast<uint64_t>(data_[pos_ + i]) << (8 * i);
    pos_ += static_cast<size_t>(width);
    return v;
  }
  std::span<const uint8_t> data_;
  size_t pos_ = 0;
};

}  // namespace kw
