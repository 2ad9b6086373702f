// The machine every run, homing and offset-test case starts from: 100 pulses
// per mm on each axis, travel values that convert to round pulse counts, and
// distinct tool heights and batch values, so each recorded number tells where
// it came from.
#pragma once

#include <gtest/gtest.h>

#include "machine/cut_layer.h"
#include "machine/cydkz.h"
#include "machine/layer_map.h"
#include "machine/machine_settings.h"
#include "scripted_controller.h"

namespace kw::test {

inline kw::MachineSettings RunTestSettings() {
  kw::MachineSettings s;
  s.Sgdc = {64, 64, 64};  // with Mcs 6400: 100 pulses per mm
  s.TSMin = {10, 20};
  s.BufAcc = {500, 800};
  s.Cspeed = {5, 7, 9};
  s.ZPos_Up = 0;
  s.ZPosMin_Pen = s.ZPosMax_Pen = 2;
  s.ZPosMin_Cut = 3, s.ZPosMax_Cut = 7, s.ZPosVal_Cut = 5;  // 5 mm
  s.ZPosMin_HalfCut = s.ZPosMax_HalfCut = 4;
  s.CutR = 0;
  kw::ComputeToolHeights(s);
  return s;
}

class RunTestSetup : public ::testing::Test {
 protected:
  RunTestSetup() {
    for (int16_t layer = 0; layer <= 2; ++layer) cutLayers.Speed(layer, 50);
  }
  // A fresh controller and host for another case inside one test.
  void Reset() {
    fake = ScriptedController{};
    host = ScriptedHost{};
  }

  kw::MachineSettings settings = RunTestSettings();
  ScriptedController fake;
  ScriptedHost host;
  kw::CYdkz ydkz{fake, settings};
  kw::CCutLayer cutLayers;
  kw::CLayerMap layerMap;
};

}  // namespace kw::test
