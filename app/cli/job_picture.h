// A picture of what the machine did: the head's recorded path drawn over the
// work table, moves with the tool down in the colour of the tool at that
// height, moves with it lifted dashed.
#pragma once

#include <string>
#include <vector>

#include "machine/machine_settings.h"
#include "axissim/tool_path.h"

namespace kw::cli {

// Writes the PNG; false when it cannot be written.
bool WriteJobPicture(const std::vector<kw::axissim::PathSample>& samples, const kw::MachineSettings& s,
                     const std::string& file, int width = 1200, int height = 900);

}  // namespace kw::cli
