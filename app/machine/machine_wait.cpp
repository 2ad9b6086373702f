#include "machine/machine_wait.h"

namespace kw {

namespace {

// Holds while the host's pause is down; false when its stop ends the hold.
bool HoldWhilePaused(RunHost& host, const WaitRules& rules) {
  while (rules.holdWhilePaused && host.Paused()) {
    host.ProcessEvents();
    if (rules.stopEnds && host.StopRequested()) return false;
  }
  return true;
}

}  // namespace

WaitEnd WaitForMask(CYdkz& ydkz, RunHost& host, int32_t mask, WaitRules rules) {
  for (;;) {
    int32_t status = 0;
    if (ydkz.GetMotionStatus(status) != 0) return WaitEnd::StatusFailed;
    host.ProcessEvents();
    if (rules.stopEnds && host.StopRequested()) return WaitEnd::Stopped;
    if (!HoldWhilePaused(host, rules)) return WaitEnd::Stopped;
    if ((status & mask) == 0) return WaitEnd::Still;
  }
}

}  // namespace kw
