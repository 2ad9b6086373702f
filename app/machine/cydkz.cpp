#include "machine/cydkz.h"

#include <cmath>
#include <limits>
#include <string>

#include "machine/axisnet_binding.h"

namespace kw {
namespace {

// The controller's limit-input configuration, sent once the link is up.
constexpr int kLimitMode[16] = {11, 15, 15, 7, 15, 9, 15, 15, 1, 1, 1, 0, 1, 1, 1, 1};

int16_t Result(int libraryResult) { return static_cast<int16_t>(libraryResult); }

}  // namespace

int16_t ControllerAxis(int16_t programAxis) { return programAxis == 3 ? int16_t{4} : programAxis; }

int32_t PulsesOf(float millimetres, int axisIndex, const MachineSettings& s) {
  // The quotient stays single precision, as the settings are; the product is
  // double and rounds halves to even.
  const float revolutions = millimetres / s.Sgdc.at(axisIndex);
  const double pulses = std::nearbyint(static_cast<double>(revolutions) * s.Mcs.at(axisIndex));
  if (!std::isfinite(pulses) || pulses < std::numeric_limits<int32_t>::min() ||
      pulses > std::numeric_limits<int32_t>::max()) {
    throw ConversionOverflow("overflow: " + std::to_string(millimetres) + " mm on axis " +
                             std::to_string(axisIndex + 1) + " is beyond the controller's range");
  }
  return static_cast<int32_t>(pulses);
}

float MillimetresOf(int32_t pulses, int axisIndex, const MachineSettings& s) {
  if (s.Mcs.at(axisIndex) == 0) {
    throw ConversionOverflow("division by zero: Mcs" + std::to_string(axisIndex) + " is 0");
  }
  return static_cast<float>(static_cast<double>(pulses) / s.Mcs.at(axisIndex) * s.Sgdc.at(axisIndex));
}

CYdkz::CYdkz(AxisnetApi& axisnet, const MachineSettings& settings)
    : axisnet_(axisnet), settings_(settings) {}

CYdkz::CYdkz() : CYdkz(Axisnet(), Settings()) {}

int16_t CYdkz::OpenPort(std::string_view /*address*/) {
  return Result(axisnet_.OpenPort(settings_.ControllerAddress.c_str(), settings_.ControllerPort));
}

int16_t CYdkz::Connect() {
  const int linked = axisnet_.LinkConnect();
  if (linked == 0) {
    const int* m = kLimitMode;
    axisnet_.SetLmtMode(m[0], m[1], m[2], m[3], m[4], m[5], m[6], m[7], m[8], m[9], m[10], m[11],
                        m[12], m[13], m[14], m[15]);
  }
  return Result(linked);
}

int16_t CYdkz::DisConnect() { return Result(axisnet_.LinkDisConnect()); }

int16_t CYdkz::Pmove(int16_t axis, float distance, float startSpeed, float acceleration, float speed) {
  if (axis < 1 || axis > 3) throw std::out_of_range("axis " + std::to_string(axis) + " is not 1, 2 or 3");
  const int i = axis - 1;
  const int32_t d = PulsesOf(distance, i, settings_);
  const int32_t v0 = PulsesOf(startSpeed, i, settings_);
  const int32_t a = PulsesOf(acceleration, i, settings_);
  const int32_t v = PulsesOf(speed, i, settings_);
  return Result(axisnet_.Pmove(ControllerAxis(axis), d, v0, a, v));
}

int16_t CYdkz::dec_stop(int16_t axis) { return Result(axisnet_.dec_stop(ControllerAxis(axis))); }

int16_t CYdkz::GetMotionStatus(int32_t& status) {
  int value = status;
  const int result = axisnet_.GetMotionStatus(&value);
  // Controller axis 4 carries Z: its bit 3 becomes the program's bit 2.
  status = (value & 8) ? (value | 4) : (value & ~4);
  return Result(result);
}

int16_t CYdkz::GetPos(float& x, float& y, float& z) {
  int p1 = 0, p2 = 0, p3 = 0, p4 = 0;
  const int result = axisnet_.GetPosDev(&p1, &p2, &p3, &p4);
  if (result != 0) {
    x = y = z = 0;
    return Result(result);
  }
  x = MillimetresOf(p1, 0, settings_);
  y = MillimetresOf(p2, 1, settings_);
  z = MillimetresOf(p4, 2, settings_);
  return Result(result);
}

int16_t CYdkz::SetPos(float x, float y, float z) {
  // All three convert before the first is sent, so an overflow changes no counter.
  const int32_t px = PulsesOf(x, 0, settings_);
  const int32_t py = PulsesOf(y, 1, settings_);
  const int32_t pz = PulsesOf(z, 2, settings_);
  axisnet_.SetPosDev(1, px);
  axisnet_.SetPosDev(2, py);
  return Result(axisnet_.SetPosDev(4, pz));
}

int16_t CYdkz::Lmt_Disable(bool on) { return Result(axisnet_.Lmt_Disable(on ? 1 : 0)); }

int16_t CYdkz::SetPCMarkB(int16_t value) { return Result(axisnet_.SetPCMarkB(value)); }

int16_t CYdkz::GetPCMarkB(int16_t& value) {
  short v = value;
  const int result = axisnet_.GetPCMarkB(&v);
  value = v;
  return Result(result);
}

bool CYdkz::GetOutBit(int16_t bit) {
  int bits = 0;
  axisnet_.GetGpOut(&bits);
  if (bit < 0 || bit > 31) return false;
  return (static_cast<uint32_t>(bits) >> bit) & 1u;
}

int16_t CYdkz::SetOutBit(int16_t bit, int16_t value) {
  axisnet_.SetGpOut(bit, value);
  return 0;
}

}  // namespace kw
