#include "machine/machine_moves.h"

namespace kw {

int16_t TravelBy(CYdkz& ydkz, const MachineSettings& s, int16_t axis, float distance) {
  const int i = axis - 1;
  return ydkz.Pmove(axis, distance, s.SMin.at(i), s.Acc.at(i), s.MoveSpeed.at(i));
}

int16_t MoveZTo(CYdkz& ydkz, const MachineSettings& s, float z) {
  float x = 0, y = 0, current = 0;
  if (ydkz.GetPos(x, y, current) != 0) return -1;
  return TravelBy(ydkz, s, kAxisZ, z - current);
}

int16_t TravelTo(CYdkz& ydkz, const MachineSettings& s, double x, double y) {
  float cx = 0, cy = 0, cz = 0;
  if (ydkz.GetPos(cx, cy, cz) != 0) return -1;
  const int16_t rx = TravelBy(ydkz, s, kAxisX, static_cast<float>(x - cx));
  if (rx != 0) return rx;
  return TravelBy(ydkz, s, kAxisY, static_cast<float>(y - cy));
}

}  // namespace kw
