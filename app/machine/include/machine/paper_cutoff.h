// The automatic paper cut-off after a job: feed the paper past the job, lower
// the knife and cut across the whole width.
#pragma once

#include "machine/cut_layer.h"
#include "machine/cydkz.h"
#include "machine/machine_settings.h"
#include "machine/run_host.h"

namespace kw {

// feed mm past the job's top jobYmax mm. A stop seen while it runs lets the
// current move end and skips the rest. False when a controller call failed.
bool CutPaperOff(CYdkz& ydkz, const MachineSettings& s, const CCutLayer& cutLayers, RunHost& host, float feed,
                 double jobYmax);

// Lifts the tool and brings the head back to X = 0, Y = 0, waiting for each.
// False when a controller call failed.
bool ReturnToOrigin(CYdkz& ydkz, const MachineSettings& s, RunHost& host);

}  // namespace kw
