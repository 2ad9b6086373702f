#include "axisproto/crc16_modbus.h"

namespace kw::axisnet {

uint16_t Crc16Modbus(std::span<const uint8_t> data) {
  uint16_t crc = 0xFFFF;
  for (uint8_t byte : data) {
    crc ^= byte;
    for (int bit = 0; bit < 8; ++bit) {
      const bool carry = (crc & 1) != 0;
      crc = static_cast<uint16_t>(crc >> 1);
      if (carry) crc ^= 0xA001;
    }
  }
  return crc;
}

}  // namespace kw::axisnet
