// How long a job will keep the machine busy, worked out before it starts, so
// the run can say how much time is left. Every single-axis move is timed with
// the trapezoid the controller drives (start speed, acceleration, speed, and
// the same ramp down); a cut path is one such ramp per streamed line, at its
// layer's speed with the streamed paths' start speed and acceleration, as the
// controller drives it. The host's polling is not counted.
#pragma once

#include <cstdint>
#include <vector>

#include "machine/cut_layer.h"
#include "machine/job_run.h"
#include "machine/layer_map.h"
#include "machine/machine_settings.h"
#include "machine/planned_paths.h"
#include "pathcore/path_obj.h"

namespace kw {

// Seconds of one move over distance (mm, either sign) that starts and ends
// at startSpeed and speeds up to speed at acceleration; a short move turns
// back before it reaches speed, and without acceleration (or a speed not
// above the start speed) it runs at the higher of the two throughout.
double MoveSeconds(double distance, double startSpeed, double acceleration, double speed);

struct HeadPosition {
  double x = 0, y = 0, z = 0;  // mm
};

struct RunEstimate {
  // Per path in run order: travel to its start, tool down, cut, tool up.
  std::vector<double> pathSeconds;
  // Paths a resumed run passes over, at the front of pathSeconds with no time.
  int32_t pathsPassedOver = 0;
  // After the last path: the paper cut-off, if any, and the way back to the origin.
  double finishSeconds = 0;
  // The same moves with every axis counted on its own, as if X and Y never
  // travelled together: what a controller that adds up each axis's motion
  // time reports.
  double axisSeconds = 0;

  double TotalSeconds() const;
  // Seconds left once pathsDone paths are finished and secondsIntoNext have
  // gone by since; the next path is taken to last no longer than estimated.
  double SecondsLeft(int32_t pathsDone, double secondsIntoNext) const;
};

// The run of paths from start with the settings' travel values and the
// layers' speeds; jobYmax (mm) is where the paper cut-off feeds from. The
// paths before options.fromPath are in the list with no time.
RunEstimate EstimateRun(const std::vector<PlannedPath>& paths, const MachineSettings& s,
                        const CCutLayer& cutLayers, const RunOptions& options, HeadPosition start, double jobYmax);

// The same for the paths the document will hand over for options.
RunEstimate EstimateJob(kw::pathcore::CPathObj& doc, const MachineSettings& s, const CCutLayer& cutLayers,
                        const CLayerMap& layerMap, const RunOptions& options, HeadPosition start);

}  // namespace kw
