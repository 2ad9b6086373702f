// The run's handler of the document's work data: every path the document
// hands over is travelled to, cut with the tool of its layer argument as one
// streamed batch, and left with the tool up.
#pragma once

#include <cstdint>
#include <exception>
#include <vector>

#include "machine/axisnet_api.h"
#include "machine/cut_layer.h"
#include "machine/cydkz.h"
#include "machine/machine_settings.h"
#include "machine/machine_wait.h"
#include "machine/run_host.h"
#include "machine/run_state.h"
#include "pathcore/path_obj_events.h"

namespace kw {

// Pulses per mm of program axis index 0 (X) or 1 (Y): Mcs ÷ Sgdc.
double PulsesPerMm(const MachineSettings& s, int axisIndex);

// False for a path the run passes over without any motion: a layer the table
// does not have, too few or unpaired points, or all points in one place.
bool PathMoves(const std::vector<int32_t>& X, const std::vector<int32_t>& Y, int16_t layer,
               const CCutLayer& cutLayers);

class PathRunner : public kw::pathcore::CPathObjEvents {
 public:
  PathRunner(AxisnetApi& axisnet, CYdkz& ydkz, const MachineSettings& settings, const CCutLayer& cutLayers,
             RunHost& host, RunState& state);

  // Every cut layer is output during a run, whatever its output flag.
  void GetCutLayer(int16_t LayerN, bool& Enabled) override;
  void OutPath(std::vector<int32_t>& X, std::vector<int32_t>& Y, int16_t LayerN, bool& CancelB) override;

  // An error thrown inside a path (after the tool was lifted), for the run
  // to raise once the head is back at the origin.
  std::exception_ptr Failure() const { return failure_; }

 private:
  enum class PathEnd { Cut, Stopped, CommunicationError };

  bool StopSeen();
  PathEnd RunPath(const std::vector<int32_t>& X, const std::vector<int32_t>& Y, int16_t layer);
  PathEnd TravelToStart(int32_t x, int32_t y);
  PathEnd LowerTool(int16_t layer);
  PathEnd StreamPath(const std::vector<int32_t>& X, const std::vector<int32_t>& Y, int16_t layer);
  PathEnd FinishBatch();
  PathEnd LiftTool();
  PathEnd Wait(int32_t mask);
  // A run resumed from path can cut it again from its start.
  void NoteStoppedAt(int32_t path, int16_t layer);
  PathEnd Ended(WaitEnd end);
  void StopProcedure(bool& CancelB);
  void CountCut(const std::vector<int32_t>& X, const std::vector<int32_t>& Y);

  AxisnetApi& axisnet_;
  CYdkz& ydkz_;
  const MachineSettings& s_;
  const CCutLayer& cutLayers_;
  RunHost& host_;
  RunState& state_;
  double kx_, ky_;  // pulses per mm
  std::exception_ptr failure_;
};

}  // namespace kw
