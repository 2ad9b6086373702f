#include "machine/paper_cutoff.h"

#include "machine/machine_moves.h"
#include "machine/machine_wait.h"
#include "machine/settled_moves.h"

namespace kw {

namespace {

// The moves after the job must finish whatever the stop button says, so a
// stop does not end their waits.
bool WaitStill(CYdkz& ydkz, RunHost& host, int32_t mask) {
  return WaitForMask(ydkz, host, mask, {.holdWhilePaused = true, .stopEnds = false}) == WaitEnd::Still;
}

bool FeedPaper(CYdkz& ydkz, const MachineSettings& s, float feed, double jobYmax) {
  float x = 0, y = 0, z = 0;
  if (ydkz.GetPos(x, y, z) != 0) return false;
  // The knife's X offset is taken into account by the cross cut below, so
  // the head goes to X = 0 at the axis's own acceleration.
  if (TravelBy(ydkz, s, kAxisX, -x) != 0) return false;
  const float distance = static_cast<float>(feed + jobYmax - y + s.CutOffsetY);
  return TravelBy(ydkz, s, kAxisY, distance) == 0;
}

}  // namespace

bool CutPaperOff(CYdkz& ydkz, const MachineSettings& s, const CCutLayer& cutLayers, RunHost& host, float feed,
                 double jobYmax) {
  if (!FeedPaper(ydkz, s, feed, jobYmax) || !WaitStill(ydkz, host, kMaskAll)) return false;
  if (host.StopRequested()) return true;
  if (MoveZTo(ydkz, s, s.ZCut) != 0 || !WaitStill(ydkz, host, kMaskXYZ)) return false;
  if (host.StopRequested()) return true;
  const float across = s.CutOffsetX - s.WorkRect[0];
  if (ydkz.Pmove(kAxisX, across, s.SMin[0], s.Acc[0], cutLayers.Speed(1)) != 0) return false;
  return WaitStill(ydkz, host, kMaskAll);
}

bool ReturnToOrigin(CYdkz& ydkz, const MachineSettings& s, RunHost& host) {
  const WaitRules afterTheJob{.holdWhilePaused = true, .stopEnds = false};
  if (MoveZToSettled(ydkz, s, host, s.ZPos_Up, afterTheJob) != WaitEnd::Still) return false;
  return TravelToSettled(ydkz, s, host, 0, 0, afterTheJob) == WaitEnd::Still;
}

}  // namespace kw
