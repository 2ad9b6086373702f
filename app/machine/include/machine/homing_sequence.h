// Homing: Z runs up into its limit, then X and Y into theirs, and the corner
// they stop in becomes X = 0, Y = 0. PC mark B in the controller remembers
// that the machine is homed.
#pragma once

#include "machine/cydkz.h"
#include "machine/machine_settings.h"
#include "machine/run_host.h"

namespace kw {

struct HomingResult {
  bool cancelled = false;  // the host's Cancel was seen
  bool homed = false;      // positions set and PC mark B = 1
};

// The host's StopRequested is the Cancel button: the axes stop with
// deceleration, the remaining moves are skipped and PC mark B ends at 0.
HomingResult GoHome(CYdkz& ydkz, const MachineSettings& s, RunHost& host);

}  // namespace kw
