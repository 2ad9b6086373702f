#include "machine/tool_depth.h"

#include <algorithm>
#include <stdexcept>

namespace kw {

namespace {

int16_t& StepOf(MachineSettings& s, int tool) {
  switch (tool) {
    case 0:
      return s.ZPosVal_Pen;
    case 1:
      return s.ZPosVal_Cut;
    case 2:
      return s.ZPosVal_HalfCut;
  }
  throw std::out_of_range("tool index outside 0..2");
}

}  // namespace

void StepToolDepth(MachineSettings& s, int tool, int delta) {
  int16_t& step = StepOf(s, tool);
  step = static_cast<int16_t>(std::clamp(step + delta, 0, int(kDeepestStep)));
  ComputeToolHeights(s);
}

int16_t ToolDepthStep(const MachineSettings& s, int tool) {
  if (tool < 0 || tool > 2) throw std::out_of_range("tool index outside 0..2");
  const int16_t steps[] = {s.ZPosVal_Pen, s.ZPosVal_Cut, s.ZPosVal_HalfCut};
  return steps[tool];
}

float LoweredToolHeight(const MachineSettings& s, int16_t toolDown) {
  switch (toolDown) {
    case 1:
      return s.ZPen;
    case 2:
      return s.ZCut;
    case 3:
      return s.ZHalfCut;
  }
  throw std::out_of_range("no tool is down");
}

}  // namespace kw
