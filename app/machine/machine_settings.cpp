#include "machine/machine_settings.h"

namespace kw {
namespace {

// Single-precision throughout, as the heights are stored.
float ToolHeight(float atStep0, float atStep10, int16_t step) {
  return atStep0 + (atStep10 - atStep0) / 10.0f * static_cast<float>(step);
}

}  // namespace

void ComputeToolHeights(MachineSettings& s) {
  s.ZPen = ToolHeight(s.ZPosMin_Pen, s.ZPosMax_Pen, s.ZPosVal_Pen);
  s.ZCut = ToolHeight(s.ZPosMin_Cut, s.ZPosMax_Cut, s.ZPosVal_Cut);
  s.ZHalfCut = ToolHeight(s.ZPosMin_HalfCut, s.ZPosMax_HalfCut, s.ZPosVal_HalfCut);
}

MachineSettings& Settings() {
  static MachineSettings settings;
  return settings;
}

}  // namespace kw
