// Single-axis moves with an axis's own travel values (start speed SMin,
// acceleration Acc, speed MoveSpeed), the way every travel of the run, the
// homing and the offset test is made.
#pragma once

#include <cstdint>

#include "machine/cydkz.h"
#include "machine/machine_settings.h"

namespace kw {

enum ProgramAxis : int16_t { kAxisX = 1, kAxisY = 2, kAxisZ = 3 };

// Relative move of axis 1..3 by distance mm at the axis's travel values.
int16_t TravelBy(CYdkz& ydkz, const MachineSettings& s, int16_t axis, float distance);

// Moves Z from where it is to the height z mm; non-zero when a call failed.
int16_t MoveZTo(CYdkz& ydkz, const MachineSettings& s, float z);

// Moves X and Y from where they are to x, y mm (both moves are started, then
// the caller waits); non-zero when a call failed.
int16_t TravelTo(CYdkz& ydkz, const MachineSettings& s, double x, double y);

}  // namespace kw
