// Waiting for the machine: poll the motion status until the axes of a mask are
// still, keeping the host's interface alive between polls.
#pragma once

#include <cstdint>

#include "machine/cydkz.h"
#include "machine/run_host.h"

namespace kw {

// Motion status bits of CYdkz::GetMotionStatus.
inline constexpr int32_t kMaskX = 1, kMaskY = 2, kMaskZ = 4;
inline constexpr int32_t kMaskXY = kMaskX | kMaskY;
inline constexpr int32_t kMaskXYZ = kMaskXY | kMaskZ;
inline constexpr int32_t kMaskAll = 15;  // every controller axis bit the wrapper reports

enum class WaitEnd {
  Still,         // the masked axes stopped
  Stopped,       // the host's stop ended the wait early
  StatusFailed,  // the status could not be read
};

struct WaitRules {
  bool holdWhilePaused = true;  // keep waiting while the host's pause is down
  bool stopEnds = true;         // the host's stop leaves the wait at once
};

// Polls until (status AND mask) = 0. A failed status call ends the wait
// rather than waiting on a controller that cannot answer.
WaitEnd WaitForMask(CYdkz& ydkz, RunHost& host, int32_t mask, WaitRules rules = {});

}  // namespace kw
