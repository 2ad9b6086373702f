// Settings that reach the simulated controller on 127.0.0.1 with pen, knife
// and half-cut heights apart, shared by the simulated tests and the soak.
#pragma once

#include <cstdint>

#include "machine/machine_settings.h"

namespace kw::test {

inline MachineSettings SampleSettings(uint16_t port) {
  MachineSettings s;
  s.ControllerAddress = "127.0.0.1";
  s.ControllerPort = port;
  s.ZPos_Up = -2;
  s.ZPosMin_Pen = s.ZPosMax_Pen = -8;
  s.ZPosMin_Cut = s.ZPosMax_Cut = -12;
  s.ZPosMin_HalfCut = s.ZPosMax_HalfCut = -10;
  ComputeToolHeights(s);
  return s;
}

}  // namespace kw::test
