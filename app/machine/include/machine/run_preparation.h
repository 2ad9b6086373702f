// What the main window does before it starts a run: lift the head, check the
// home reference, give the three tool layers the working speeds and closing
// overlaps, and optionally join and order the paths.
#pragma once

#include "machine/cut_layer.h"
#include "machine/cydkz.h"
#include "machine/machine_settings.h"
#include "pathcore/path_obj.h"

namespace kw {

// MSGBOX key of the question asked when the machine has no home reference.
inline constexpr const char* kNoHomeReferenceKey = "0008";

// Lifts the tool to ZPos_Up (without waiting) and reads PC mark B; false when
// the machine has not been homed since the controller started, or the mark
// cannot be read.
bool LiftAndCheckHomeReference(CYdkz& ydkz, const MachineSettings& s);

// Copies WorkSpeed 0..2 into the Speed and CloseVal 0..2 into the ProLong of
// layers 0..2; with autoLayout also joins (HbWc), orders and deselects the
// paths. Returns the index of a working speed that is not a positive number,
// changing nothing then, or -1.
int PrepareRun(kw::pathcore::CPathObj& doc, CCutLayer& cutLayers, const MachineSettings& s, bool autoLayout);

}  // namespace kw
