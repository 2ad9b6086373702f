// The knife offset test: the pen draws a cross, then the knife cuts one where
// the knife offset says the same spot is. When the offset is right the two
// crosses coincide.
#pragma once

#include <string>

#include "machine/cydkz.h"
#include "machine/machine_settings.h"
#include "machine/run_host.h"

namespace kw {

// offsetX, offsetY: the knife offset being tried, mm. Returns the MSGBOX key
// shown when the test is refused ("0017" not homed, "0018" to "0021" the
// crosses would leave the travel), or an empty text after the two crosses.
std::string RunOffsetTest(CYdkz& ydkz, const MachineSettings& s, RunHost& host, float offsetX, float offsetY);

}  // namespace kw
