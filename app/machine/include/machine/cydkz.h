// The controller wrapper: drives the machine in millimetres through the
// controller link library, mapping the program's X, Y, Z onto controller axes
// 1, 2 and 4 and converting with the settings Sgdc (mm per revolution) and Mcs
// (pulses per revolution) of each axis.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string_view>

#include "machine/axisnet_api.h"
#include "machine/machine_settings.h"

namespace kw {

// A value that does not fit the controller's 32-bit pulse counts (or a
// conversion setting of 0 that makes it infinite).
class ConversionOverflow : public std::overflow_error {
 public:
  using std::overflow_error::overflow_error;
};

// Controller axis of program axis 1 (X), 2 (Y) or 3 (Z); controller axis 3 is unused.
int16_t ControllerAxis(int16_t programAxis);

// Millimetres (or mm/s, mm/s²) to pulses of program axis index 0..2, halves to even.
int32_t PulsesOf(float millimetres, int axisIndex, const MachineSettings& s);
// Pulses of program axis index 0..2 to millimetres.
float MillimetresOf(int32_t pulses, int axisIndex, const MachineSettings& s);

class CYdkz {
 public:
  // The wrapper reads the conversion settings at each call, so it follows
  // any change made to them since.
  explicit CYdkz(AxisnetApi& axisnet, const MachineSettings& settings = Settings());
  CYdkz();  // the process's library and settings

  // Opens the controller address and port of the settings; the argument is
  // kept for the callers' sake and not used.
  int16_t OpenPort(std::string_view address);
  // Links to the controller and, when it answers, sets its limit inputs.
  int16_t Connect();
  int16_t DisConnect();
  // Relative move of program axis 1..3; mm, mm/s, mm/s², mm/s. Throws
  // std::out_of_range for another axis.
  int16_t Pmove(int16_t axis, float distance, float startSpeed, float acceleration, float speed);
  int16_t dec_stop(int16_t axis);
  // Bits 0, 1, 2: X, Y, Z moving.
  int16_t GetMotionStatus(int32_t& status);
  // mm; all 0 when the controller could not be read.
  int16_t GetPos(float& x, float& y, float& z);
  int16_t SetPos(float x, float y, float z);
  int16_t Lmt_Disable(bool on);
  int16_t SetPCMarkB(int16_t value);
  int16_t GetPCMarkB(int16_t& value);
  bool GetOutBit(int16_t bit);
  int16_t SetOutBit(int16_t bit, int16_t value);

 private:
  AxisnetApi& axisnet_;
  const MachineSettings& settings_;
};

}  // namespace kw
