// The two frame layouts of the controller link: a request from the host and a
// reply from the controller. The checksum covers the data field only and goes
// on the wire low-order byte first.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace kw::axisnet {

inline constexpr uint8_t kFrameStart = 0x69;  // ASCII 'i'
inline constexpr size_t kFrameOverhead = 7;   // bytes around the data field
// The largest data field that fits one IPv4 UDP datagram (65507 bytes).
inline constexpr size_t kMaxDataLength = 65507 - kFrameOverhead;

std::vector<uint8_t> BuildRequest(uint8_t command, std::span<const uint8_t> data);
std::vector<uint8_t> BuildReply(int8_t status, uint8_t command, std::span<const uint8_t> data);

struct Request {
  uint8_t command = 0;
  std::vector<uint8_t> data;
};

// A whole datagram taken as one request; nullopt when it is not a well-formed,
// checksum-correct request frame.
std::optional<Request> ParseRequest(std::span<const uint8_t> datagram);

}  // namespace kw::axisnet
