// The sample job (or another DXF drawing) ready to run on a simulated controller: settings that reach
// it with pen, knife and half-cut heights, the real controller library
// connected through the wrapper, and the sample drawing placed at the origin
// and prepared as a run takes it.
#pragma once

#include <gtest/gtest.h>

#include "axissim/simulator.h"
#include "machine/axisnet_binding.h"
#include "machine/cut_layer.h"
#include "machine/cydkz.h"
#include "machine/layer_map.h"
#include "machine/machine_settings.h"
#include "machine/run_preparation.h"
#include "pathcore/path_obj.h"
#include "simulator_job_settings.h"

namespace kw::test {

struct SampleOnSimulator {
  explicit SampleOnSimulator(axissim::Simulator& sim, const char* dxf = KW_SAMPLES_DIR "/badge.dxf")
      : s(SampleSettings(sim.Start(0))) {
    EXPECT_EQ(ydkz.OpenPort(""), 0);
    EXPECT_EQ(ydkz.Connect(), 0);
    EXPECT_EQ(doc.DxfInput(dxf, "切割"), 0);
    doc.SetPathPos(0, 0);
    EXPECT_EQ(PrepareRun(doc, layers, s, false), -1);
  }

  MachineSettings s;
  AxisnetLibrary library{KW_AXISNET_LIBRARY};
  CYdkz ydkz{library, s};
  pathcore::CPathObj doc;
  CCutLayer layers;
  CLayerMap map;
};

}  // namespace kw::test
