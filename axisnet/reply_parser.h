// Assembles one reply frame from the bytes received after a send, byte by
// byte, so a reply split over datagrams or preceded by noise is still found.
#pragma once

#include <cstdint>
#include <vector>

namespace kw::axisnet {

class ReplyParser {
 public:
  void Reset();
  void Feed(uint8_t byte);

  bool Complete() const { return complete_; }
  int8_t Status() const { return status_; }
  uint8_t Command() const { return command_; }
  const std::vector<uint8_t>& Data() const { return data_; }

 private:
  enum class State { kStart, kStatus, kCommand, kLengthHigh, kLengthLow, kData, kCrcLow, kCrcHigh, kDone };

  void TakeLengthLow(uint8_t byte);
  void TakeChecksumHigh(uint8_t byte);

  State state_ = State::kStart;
  int8_t status_ = 0;
  uint8_t command_ = 0;
  uint32_t length_ = 0;  // bytes of reply data announced by the header
  uint8_t crc_first_ = 0;
  std::vector<uint8_t> data_;
  bool complete_ = false;
};

}  // namespace kw::axisnet
