#include "geometry/guid_text.h"

#include <array>
#include <random>
#include <stdexcept>

namespace kw::pathcore {

namespace {

constexpr size_t kGuidDigits = 32;

std::array<uint8_t, 16> RandomVersion4Bytes() {
  std::random_device source;
  std::array<uint8_t, 16> bytes{};
  for (size_t i = 0; i < bytes.size(); i += 4) {
    const uint32_t word = source();
    for (size_t k = 0; k < 4; ++k) bytes[i + k] = static_cast<uint8_t>(word >> (8 * k));
  }
  bytes[6] = static_cast<uint8_t>((bytes[6] & 0x0F) | 0x40);  // version 4: random
  bytes[8] = static_cast<uint8_t>((bytes[8] & 0x3F) | 0x80);  // RFC 4122 variant
  return bytes;
}

}  // namespace

std::string NewGuidText() {
  static constexpr char kHex[] = "0123456789ABCDEF";
  const auto bytes = RandomVersion4Bytes();
  std::string text = "{";
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i == 4 || i == 6 || i == 8 || i == 10) text += '-';
    text += kHex[bytes[i] >> 4];
    text += kHex[bytes[i] & 0x0F];
  }
  text += '}';
  return text;
}

void GuidBytes(std::span<uint8_t> bytes) {
  if (bytes.size() < kGuidDigits) {
    throw std::invalid_argument("GuidBytes needs room for 32 bytes");
  }
  size_t next = 0;
  for (const char c : NewGuidText()) {
    if (c == '{' || c == '}' || c == '-') continue;
    bytes[next++] = static_cast<uint8_t>(c);
  }
}

}  // namespace kw::pathcore
