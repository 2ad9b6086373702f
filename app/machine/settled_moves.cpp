#include "machine/settled_moves.h"

#include <cmath>

#include "machine/machine_moves.h"
#include "machine/path_runner.h"

namespace kw {
namespace {

constexpr int kCorrections = 3;
constexpr double kSlackPulses = 1.5;  // rounding on the way to and from millimetres

bool Near(float at, double want, const MachineSettings& s, int axisIndex) {
  return std::abs(at - want) * PulsesPerMm(s, axisIndex) <= kSlackPulses;
}

// Starts `move`, waits, and checks `there` on the position read back; a second
// look outlasts a late "still", and a place still missed is moved to again.
template <typename Move, typename There>
WaitEnd Settle(CYdkz& ydkz, RunHost& host, WaitRules rules, Move move, There there) {
  for (int attempt = 0; attempt <= kCorrections; ++attempt) {
    if (move() != 0) return WaitEnd::StatusFailed;
    for (int look = 0; look < 2; ++look) {
      const WaitEnd end = WaitForMask(ydkz, host, kMaskAll, rules);
      if (end != WaitEnd::Still) return end;
      float x = 0, y = 0, z = 0;
      if (ydkz.GetPos(x, y, z) != 0) return WaitEnd::StatusFailed;
      if (there(x, y, z)) return WaitEnd::Still;
    }
  }
  return WaitEnd::StatusFailed;
}

}  // namespace

WaitEnd TravelToSettled(CYdkz& ydkz, const MachineSettings& s, RunHost& host, double x, double y, WaitRules rules) {
  return Settle(
      ydkz, host, rules, [&] { return TravelTo(ydkz, s, x, y); },
      [&](float atX, float atY, float) { return Near(atX, x, s, 0) && Near(atY, y, s, 1); });
}

WaitEnd MoveZToSettled(CYdkz& ydkz, const MachineSettings& s, RunHost& host, const float& z, WaitRules rules) {
  return Settle(
      ydkz, host, rules, [&] { return MoveZTo(ydkz, s, z); }, [&](float, float, float atZ) { return Near(atZ, z, s, 2); });
}

}  // namespace kw
