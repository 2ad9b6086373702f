// The depth steps 0..10 of the three tools and the Z height of a lowered tool.
#pragma once

#include <cstdint>

#include "machine/machine_settings.h"

namespace kw {

inline constexpr int16_t kDeepestStep = 10;

// Tool 0 pen, 1 knife, 2 half-cut knife: moves its depth step by delta within
// 0..10 and recomputes the tool heights. std::out_of_range for another tool.
void StepToolDepth(MachineSettings& s, int tool, int delta);

// The depth step of tool 0..2.
int16_t ToolDepthStep(const MachineSettings& s, int tool);

// Z mm of the tool that a tool-down state 1 (pen), 2 (knife), 3 (half-cut) lowers.
float LoweredToolHeight(const MachineSettings& s, int16_t toolDown);

}  // namespace kw
