#include "machine/homing_sequence.h"

#include "machine/machine_moves.h"
#include "machine/machine_wait.h"

namespace kw {

namespace {

inline constexpr float kIntoLimit = 5000;  // mm, further than any axis travels

class Homing {
 public:
  Homing(CYdkz& ydkz, const MachineSettings& s, RunHost& host) : ydkz_(ydkz), s_(s), host_(host) {}

  HomingResult Run() {
    ydkz_.SetPCMarkB(0);  // positions are about to change: no longer homed
    Step([this] { ZJustBelowZero(); });
    Step([this] { ZIntoLimit(); });
    Step([this] { ydkz_.SetPos(0, 0, 0); });
    Step([this] { ZUp(); });
    Step([this] { XYIntoLimits(); });
    ydkz_.Lmt_Disable(true);
    if (cancelled_) {
      ydkz_.SetPCMarkB(0);
      return {.cancelled = true, .homed = false};
    }
    float x = 0, y = 0, z = 0;
    ydkz_.GetPos(x, y, z);
    ydkz_.SetPos(0, 0, z);
    ydkz_.SetPCMarkB(1);
    return {.cancelled = false, .homed = true};
  }

 private:
  template <typename F>
  void Step(F step) {
    if (!cancelled_) step();
  }
  void ZJustBelowZero() {
    MoveZTo(ydkz_, s_, -s_.Sgdc[2] / 5);  // a fifth of a revolution below zero
    WaitStill(kMaskZ);
  }
  void ZIntoLimit() {
    ydkz_.Lmt_Disable(false);
    ydkz_.Pmove(kAxisZ, kIntoLimit, s_.SMin[2], s_.Acc[2], s_.HSpeed[2]);
    WaitStill(kMaskXYZ);
  }
  void ZUp() {
    float x = 0, y = 0, z = 0;
    ydkz_.GetPos(x, y, z);
    ydkz_.Lmt_Disable(true);
    TravelBy(ydkz_, s_, kAxisZ, s_.ZPos_Up - z);
    WaitStill(kMaskXYZ);
  }
  void XYIntoLimits() {
    ydkz_.Lmt_Disable(false);
    ydkz_.Pmove(kAxisX, kIntoLimit, s_.SMin[0], s_.Acc[0], s_.HSpeed[0]);
    ydkz_.Pmove(kAxisY, -kIntoLimit, s_.SMin[1], s_.Acc[1], s_.HSpeed[1]);
    WaitStill(kMaskXYZ);
  }
  // Waits for the axes; a Cancel stops every axis once and the wait goes on
  // until they are still.
  void WaitStill(int32_t mask) {
    for (;;) {
      int32_t status = 0;
      if (ydkz_.GetMotionStatus(status) != 0) return;
      host_.ProcessEvents();
      if (!cancelled_ && host_.StopRequested()) Cancel();
      if ((status & mask) == 0) return;
    }
  }
  void Cancel() {
    for (int16_t axis : {kAxisX, kAxisY, kAxisZ}) ydkz_.dec_stop(axis);
    cancelled_ = true;
  }

  CYdkz& ydkz_;
  const MachineSettings& s_;
  RunHost& host_;
  bool cancelled_ = false;
};

}  // namespace

HomingResult GoHome(CYdkz& ydkz, const MachineSettings& s, RunHost& host) { return Homing(ydkz, s, host).Run(); }

}  // namespace kw
