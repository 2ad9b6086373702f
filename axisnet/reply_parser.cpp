#include "reply_parser.h"

#include "axisproto/crc16_modbus.h"
#include "axisproto/frame.h"

namespace kw::axisnet {

void ReplyParser::Reset() {
  state_ = State::kStart;
  status_ = 0;
  command_ = 0;
  length_ = 0;
  data_.clear();
  complete_ = false;
}

void ReplyParser::Feed(uint8_t byte) {
  switch (state_) {
    case State::kStart:
      if (byte == kFrameStart) state_ = State::kStatus;
      break;
    case State::kStatus:
      status_ = static_cast<int8_t>(byte);
      state_ = State::kCommand;
      break;
    case State::kCommand:
      command_ = byte;
      state_ = State::kLengthHigh;
      break;
    case State::kLengthHigh:
      length_ = static_cast<uint32_t>(byte) << 8;
      state_ = State::kLengthLow;
      break;
    case State::kLengthLow:
      TakeLengthLow(byte);
      break;
    case State::kData:
      data_.push_back(byte);
      if (data_.size() == length_) state_ = State::kCrcLow;
      break;
    case State::kCrcLow:
      crc_first_ = byte;
      state_ = State::kCrcHigh;
      break;
    case State::kCrcHigh:
      TakeChecksumHigh(byte);
      break;
    case State::kDone:
      break;
  }
}

void ReplyParser::TakeLengthLow(uint8_t byte) {
  length_ |= byte;
  data_.clear();
  if (length_ == 0) {
    state_ = State::kCrcLow;
  } else if (length_ > kMaxDataLength) {
    // No datagram can carry this much: the header is noise, look for the next start byte.
    state_ = State::kStart;
  } else {
    state_ = State::kData;
  }
}

void ReplyParser::TakeChecksumHigh(uint8_t byte) {
  state_ = State::kDone;
  const uint16_t received = static_cast<uint16_t>(crc_first_ | (byte << 8));
  complete_ = received == Crc16Modbus(data_);
}

}  // namespace kw::axisnet
