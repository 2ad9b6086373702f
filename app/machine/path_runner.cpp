#include "machine/path_runner.h"

#include <algorithm>
#include <cmath>

#include "machine/machine_moves.h"
#include "machine/machine_wait.h"
#include "machine/prolong_adjust.h"
#include "machine/settled_moves.h"
#include "support/round_half_even.h"

namespace kw {

namespace {

// What the controller needs to plan a streamed path, mm/s and mm/s².
struct BatchParameters {
  float startSpeed = 0, acceleration = 0, third = 0;
};

// Layer argument 0 streams with the pen's values, 1 and 2 with the knife's;
// any other argument gets zeros.
BatchParameters BatchParametersFor(int16_t layer, const MachineSettings& s) {
  if (layer < 0 || layer > 2) return {};
  const int t = layer == 0 ? 0 : 1;
  return {s.TSMin[t], s.BufAcc[t], s.Cspeed[t]};
}

bool AllPointsCoincide(const std::vector<int32_t>& X, const std::vector<int32_t>& Y) {
  for (size_t i = 2; i < X.size(); ++i)
    if (X[i] != X[1] || Y[i] != Y[1]) return false;
  return true;
}

}  // namespace

double PulsesPerMm(const MachineSettings& s, int axisIndex) {
  return double(s.Mcs.at(axisIndex)) / double(s.Sgdc.at(axisIndex));
}

bool PathMoves(const std::vector<int32_t>& X, const std::vector<int32_t>& Y, int16_t layer,
               const CCutLayer& cutLayers) {
  const bool knownLayer = layer >= 0 && layer <= cutLayers.GetCount();
  return knownLayer && X.size() == Y.size() && X.size() >= 2 && !AllPointsCoincide(X, Y);
}

PathRunner::PathRunner(AxisnetApi& axisnet, CYdkz& ydkz, const MachineSettings& settings,
                       const CCutLayer& cutLayers, RunHost& host, RunState& state)
    : axisnet_(axisnet), ydkz_(ydkz), s_(settings), cutLayers_(cutLayers), host_(host), state_(state),
      kx_(PulsesPerMm(settings, 0)), ky_(PulsesPerMm(settings, 1)) {}

void PathRunner::GetCutLayer(int16_t LayerN, bool& Enabled) {
  (void)LayerN;
  Enabled = true;
}

bool PathRunner::StopSeen() {
  if (state_.stopFlag == 0 && host_.StopRequested()) state_.stopFlag = -1;
  return state_.stopFlag != 0;
}

void PathRunner::OutPath(std::vector<int32_t>& X, std::vector<int32_t>& Y, int16_t LayerN, bool& CancelB) {
  if (StopSeen()) {
    if (state_.stoppedAtPath == 0 && PathMoves(X, Y, LayerN, cutLayers_))
      NoteStoppedAt(std::max(state_.pathNumber + 1, state_.firstPath), LayerN);
    CancelB = true;  // nothing more will move, so the document need not go on
    return;
  }
  if (!PathMoves(X, Y, LayerN, cutLayers_)) {
    ++state_.pathsSkipped;
    return;
  }
  ++state_.pathNumber;
  if (state_.pathNumber < state_.firstPath) return;  // cut by the run this one resumes
  PathEnd end = PathEnd::Cut;
  try {
    AdjustPathEnds(X, Y, cutLayers_.ProLong(LayerN), kx_);
    end = RunPath(X, Y, LayerN);
  } catch (...) {
    failure_ = std::current_exception();
    end = PathEnd::Stopped;
    state_.stopFlag = -1;
  }
  if (end == PathEnd::CommunicationError) {
    state_.communicationFailed = true;
    state_.stopFlag = -1;  // a job with a gap in it is not finished by a paper cut-off
    ShowRunMessage(host_, state_, "0024");
  }
  if (end != PathEnd::Cut) {
    NoteStoppedAt(state_.pathNumber, LayerN);
    return StopProcedure(CancelB);
  }
  CountCut(X, Y);
}

PathRunner::PathEnd PathRunner::RunPath(const std::vector<int32_t>& X, const std::vector<int32_t>& Y,
                                        int16_t layer) {
  PathEnd end = TravelToStart(X[1], Y[1]);
  if (end == PathEnd::Cut) end = LowerTool(layer);
  if (end == PathEnd::Cut) end = StreamPath(X, Y, layer);
  if (end == PathEnd::Cut) end = FinishBatch();
  if (end == PathEnd::Cut) end = LiftTool();
  return end;
}

PathRunner::PathEnd PathRunner::Wait(int32_t mask) { return Ended(WaitForMask(ydkz_, host_, mask)); }

PathRunner::PathEnd PathRunner::Ended(WaitEnd end) {
  switch (end) {
    case WaitEnd::Still:
      return PathEnd::Cut;
    case WaitEnd::Stopped:
      state_.stopFlag = -1;
      return PathEnd::Stopped;
    case WaitEnd::StatusFailed:
      break;
  }
  return PathEnd::CommunicationError;
}

PathRunner::PathEnd PathRunner::TravelToStart(int32_t x, int32_t y) {
  return Ended(TravelToSettled(ydkz_, s_, host_, x / kx_, y / ky_));
}

PathRunner::PathEnd PathRunner::LowerTool(int16_t layer) {
  if (layer < 0 || layer > 2) return Wait(kMaskZ);
  const float* heights[] = {&s_.ZPen, &s_.ZCut, &s_.ZHalfCut};
  state_.toolDown = static_cast<int16_t>(layer + 1);  // from the first move on, a stop lifts it
  return Ended(MoveZToSettled(ydkz_, s_, host_, *heights[layer]));
}

PathRunner::PathEnd PathRunner::StreamPath(const std::vector<int32_t>& X, const std::vector<int32_t>& Y,
                                           int16_t layer) {
  const BatchParameters p = BatchParametersFor(layer, s_);
  const int32_t speed = N(cutLayers_.Speed(layer) * kx_);  // pulses/s
  axisnet_.SetLayoutMode(1);
  if (axisnet_.BatchCmdClr() != 0) return PathEnd::CommunicationError;
  if (axisnet_.BatchSetting(N(p.startSpeed * kx_), N(p.acceleration * kx_), N(p.third * kx_)) != 0)
    return PathEnd::CommunicationError;
  if (axisnet_.BatchBegin(X[1], Y[1], 0) != 0) return PathEnd::CommunicationError;
  for (size_t i = 2; i < X.size(); ++i) {
    for (;;) {  // the library answers 1 while its buffers are full
      host_.ProcessEvents();
      if (StopSeen()) return PathEnd::Stopped;
      const int16_t added = axisnet_.BatchCmdAdd(X[i], Y[i], 0, speed, 0);
      if (added == 0) break;
      if (added != 1) return PathEnd::CommunicationError;
    }
  }
  axisnet_.SetBufOk();
  return PathEnd::Cut;
}

PathRunner::PathEnd PathRunner::FinishBatch() {
  const PathEnd end = Wait(kMaskXY);
  if (end != PathEnd::Cut) return end;
  return axisnet_.BatchEnd() == 0 ? PathEnd::Cut : PathEnd::CommunicationError;
}

PathRunner::PathEnd PathRunner::LiftTool() {
  state_.toolDown = kNoToolDown;  // a depth button no longer moves a tool on its way up
  return Ended(MoveZToSettled(ydkz_, s_, host_, s_.ZPos_Up));
}

void PathRunner::NoteStoppedAt(int32_t path, int16_t layer) {
  state_.stoppedAtPath = path;
  state_.stoppedAtLayer = layer;
}

void PathRunner::StopProcedure(bool& CancelB) {
  CancelB = true;
  axisnet_.BatchEnd();
  const WaitRules untilStill{.holdWhilePaused = false, .stopEnds = false};
  WaitForMask(ydkz_, host_, kMaskXYZ, untilStill);
  try {
    MoveZToSettled(ydkz_, s_, host_, s_.ZPos_Up, untilStill);
  } catch (...) {
    if (!failure_) failure_ = std::current_exception();
  }
  state_.toolDown = kNoToolDown;
}

void PathRunner::CountCut(const std::vector<int32_t>& X, const std::vector<int32_t>& Y) {
  for (size_t i = 2; i < X.size(); ++i)
    state_.progress.cutLength += std::hypot((double(X[i]) - X[i - 1]) / kx_, (double(Y[i]) - Y[i - 1]) / ky_);
  ++state_.progress.pathsDone;
  host_.Progress(state_.progress);
}

}  // namespace kw
