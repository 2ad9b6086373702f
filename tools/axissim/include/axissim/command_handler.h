// Carries out one request on the controller state and the machine and gives
// the reply's data field.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "axisproto/frame.h"
#include "support/byte_reader.h"
#include "axissim/controller_state.h"
#include "axissim/machine.h"

namespace kw::axissim {

class CommandHandler {
 public:
  CommandHandler(Machine& machine, ControllerState& state, uint16_t version)
      : machine_(machine), state_(state), version_(version) {}

  // The reply data; nullopt when the command is unknown or its data malformed.
  std::optional<std::vector<uint8_t>> Handle(const axisnet::Request& request);

 private:
  std::vector<uint8_t> Dispatch(const axisnet::Request& request);
  std::vector<uint8_t> InputsAndMarks(uint8_t command, ByteReader& r);
  std::vector<uint8_t> Motion(uint8_t command, ByteReader& r);
  std::vector<uint8_t> Batch(const axisnet::Request& request, ByteReader& r);
  std::vector<uint8_t> Configuration(uint8_t command, ByteReader& r);
  std::vector<uint8_t> TakeBatchFrame(const axisnet::Request& request);
  std::vector<uint8_t> Positions() const;

  Machine& machine_;
  ControllerState& state_;
  uint16_t version_;
  // The last 0x40/0x42 frame and how many it took: a resent copy after a lost
  // reply is answered again instead of being taken twice.
  axisnet::Request last_batch_frame_;
  uint8_t last_batch_taken_ = 0;
};

}  // namespace kw::axissim
