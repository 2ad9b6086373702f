// Tracing the job's frame: the head goes round the document's extent so the
// operator sees where the job will lie on the material, then back to the
// machine's origin.
#pragma once

#include <string>

#include "machine/cydkz.h"
#include "machine/machine_settings.h"
#include "machine/run_host.h"
#include "pathcore/path_obj.h"

namespace kw {

// The MSGBOX key ("0004".."0007") of the side where the job, tool offsets
// included, leaves the work area; empty when the trace may go.
std::string FrameTraceRefusal(const kw::pathcore::CPathObj& doc, const MachineSettings& s);

enum class TraceEnd {
  Done,    // round the frame and back at the origin
  Failed,  // a controller call failed, or the host's stop ended a wait
};

// From the job's start corner (Xmax, Ymin) round the extent, waiting for X
// and Y to stand still before each move; the host keeps the window alive
// between status polls. The caller has checked FrameTraceRefusal.
TraceEnd TraceFrame(CYdkz& ydkz, const MachineSettings& s, const kw::pathcore::CPathObj& doc, RunHost& host);

}  // namespace kw
