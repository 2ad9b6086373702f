// The controller's registers beyond the machine's motion: what the
// configuration commands stored and what the getters answer.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "axisproto/batch_record.h"
#include "axisproto/batch_segment.h"

namespace kw::axissim {

struct ControllerState {
  bool connected = false;
  int16_t pc_mark_b = 0;
  uint16_t outputs = 0;      // bit n = general output n
  uint16_t inputs = 0;       // general inputs, ORed with the limit switch bits when read
  uint8_t pendant_key = 0;   // answered to GetJoyData
  int16_t pendant_value = 0;
  uint16_t register_a = 0;
  uint8_t record_info = 0;
  std::array<uint8_t, 4> capture_unit{};
  std::array<uint8_t, 16> limit_mode{};
  std::array<uint8_t, 4> new_address{};
  std::array<int32_t, 4> syn_axis_config{};
  std::array<int32_t, 5> batch_settings{};  // the five values of 0x41
  std::array<int32_t, 3> batch_begin{};     // pulses, the three values of 0x57
  bool batch_open = false;                  // between 0x55 and 0x56
  bool batch_end_marked = false;            // 0x43 with 1 seen

  // Every record and segment the controller took, in the order it took them.
  std::vector<axisnet::BatchRecord> records_taken;
  std::vector<axisnet::BatchSegment> segments_taken;
  // Requests answered per command code, refusals and lost ones not included.
  std::array<uint32_t, 256> requests{};
  uint32_t repeats_recognised = 0;  // 0x40/0x42 frames answered again without taking them
};

}  // namespace kw::axissim
