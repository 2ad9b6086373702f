#include "axisproto/frame.h"

#include <stdexcept>

#include "axisproto/big_endian.h"
#include "axisproto/crc16_modbus.h"

namespace kw::axisnet {
namespace {

void PutDataAndChecksum(ByteWriter& w, std::span<const uint8_t> data) {
  if (data.size() > kMaxDataLength) throw std::length_error("data field too long for one datagram");
  PutBe16(w, static_cast<uint16_t>(data.size()));
  w.Bytes(data);
}

void PutChecksum(ByteWriter& w, std::span<const uint8_t> data) {
  const uint16_t crc = Crc16Modbus(data);
  w.U8(static_cast<uint8_t>(crc));
  w.U8(static_cast<uint8_t>(crc >> 8));
}

}  // namespace

std::vector<uint8_t> BuildRequest(uint8_t command, std::span<const uint8_t> data) {
  ByteWriter w;
  w.Reserve(data.size() + kFrameOverhead);
  w.U8(kFrameStart);
  w.U8(command);
  PutDataAndChecksum(w, data);
  w.U8(command);
  PutChecksum(w, data);
  return w.Take();
}

std::vector<uint8_t> BuildReply(int8_t status, uint8_t command, std::span<const uint8_t> data) {
  ByteWriter w;
  w.Reserve(data.size() + kFrameOverhead);
  w.U8(kFrameStart);
  w.U8(static_cast<uint8_t>(status));
  w.U8(command);
  PutDataAndChecksum(w, data);
  PutChecksum(w, data);
  return w.Take();
}

std::optional<Request> ParseRequest(std::span<const uint8_t> datagram) {
  try {
    ByteReader r(datagram);
    if (r.U8() != kFrameStart) return std::nullopt;
    Request request;
    request.command = r.U8();
    const uint16_t length = ReadBe16(r);
    const auto data = r.Bytes(length);
    if (r.U8() != request.command) return std::nullopt;
    const uint16_t crc = r.U8();
    if (static_cast<uint16_t>(crc | (r.U8() << 8)) != Crc16Modbus(data)) return std::nullopt;
    request.data.assign(data.begin(), data.end());
    return request;
  } catch (const ReadPastEnd&) {
    return std::nullopt;
  }
}

}  // namespace kw::axisnet
