// CRC-16/MODBUS, the checksum of every frame's data field.
#pragma once

#include <cstdint>
#include <span>

namespace kw::axisnet {

// Reflected polynomial 0xA001, initial value 0xFFFF, no final XOR.
uint16_t Crc16Modbus(std::span<const uint8_t> data);

}  // namespace kw::axisnet
