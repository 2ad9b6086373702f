// Moves to a place that are over only once the machine is there. The
// controller's moves are relative: a move resent after its reply was lost is
// carried out twice, and a status reply that arrives late can report the axes
// still while they move. So the position is read back after the wait, looked
// at once more when it is off, and then corrected by a further move.
#pragma once

#include "machine/cydkz.h"
#include "machine/machine_settings.h"
#include "machine/machine_wait.h"
#include "machine/run_host.h"

namespace kw {

// X and Y to x, y mm. StatusFailed also when the place was not reached after
// a few corrections.
WaitEnd TravelToSettled(CYdkz& ydkz, const MachineSettings& s, RunHost& host, double x, double y,
                        WaitRules rules = {});

// Z to the height z mm, the same way. The height is read again at each look,
// so a depth button pressed while the tool goes down moves the aim along.
WaitEnd MoveZToSettled(CYdkz& ydkz, const MachineSettings& s, RunHost& host, const float& z, WaitRules rules = {});

}  // namespace kw
