// The checks a run makes before anything moves: the job must lie inside the
// machine's travel, and so must the paper cut-off line.
#pragma once

#include <string>

#include "machine/machine_settings.h"

namespace kw {

// The job's extent in machine mm, tool offsets included.
struct SafeRect {
  float Xmin = 0, Xmax = 0, Ymin = 0, Ymax = 0;
};

// The message key ("0004" to "0007") of the first side the job leaves the
// travel on (X runs from -WorkRect0 to 0, Y from 0 to WorkRect1); empty when
// it fits.
std::string WorkAreaRefusal(const SafeRect& r, const MachineSettings& s);

// "0022" (whole job) or "0023" (selection) when the cut-off line, feed mm
// past the job's top jobYmax mm plus the knife's Y offset, leaves the travel;
// empty when it fits.
std::string CutOffRefusal(float feed, double jobYmax, bool selection, const MachineSettings& s);

}  // namespace kw
