// The wrapper and the job run against the simulated controller on 127.0.0.1,
// through the real controller library.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "machine/axisnet_binding.h"
#include "machine/cut_layer.h"
#include "machine/cydkz.h"
#include "machine/homing_sequence.h"
#include "machine/job_run.h"
#include "machine/layer_map.h"
#include "machine/machine_settings.h"
#include "pathcore/app_path.h"
#include "pathcore/path_obj.h"
#include "axissim/simulator.h"

namespace {

using kw::axissim::Machine;

class MachineOnSimulator : public ::testing::Test {
 protected:
  void SetUp() override {
    kw::axissim::SimConfig config;
    config.speedup = 50;
    sim_ = std::make_unique<kw::axissim::Simulator>(config);
    s_.ControllerAddress = "127.0.0.1";
    s_.ControllerPort = sim_->Start(0);
    s_.ZPos_Up = -2;
    s_.ZPosMin_Pen = s_.ZPosMax_Pen = -8;
    s_.ZPosMin_Cut = s_.ZPosMax_Cut = -12;
    s_.ZPosMin_HalfCut = s_.ZPosMax_HalfCut = -10;
    kw::ComputeToolHeights(s_);
    ASSERT_EQ(ydkz_.OpenPort(""), 0);
    ASSERT_EQ(ydkz_.Connect(), 0);
  }
  void TearDown() override { ydkz_.DisConnect(); }

  int32_t Position(int axis) { return sim_->With([axis](Machine& m, const auto&) { return m.Position(axis); }); }
  void WaitStill() {
    for (int i = 0; i < 20000; ++i) {
      int32_t status = 0;
      if (ydkz_.GetMotionStatus(status) != 0 || status == 0) return;
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
  }

  std::unique_ptr<kw::axissim::Simulator> sim_;
  kw::MachineSettings s_;
  kw::AxisnetLibrary library_{KW_AXISNET_LIBRARY};
  kw::CYdkz ydkz_{library_, s_};
};

TEST_F(MachineOnSimulator, WrapperMovesInMillimetresWithZOnControllerAxisFour) {
  ASSERT_EQ(ydkz_.Pmove(3, 1.0f, 1, 100, 20), 0);  // 1 mm of Z: 266.67 pulses, rounded to 267
  ASSERT_EQ(ydkz_.Pmove(1, -2.0f, 1, 100, 20), 0);
  WaitStill();
  EXPECT_EQ(Position(4), 267);
  EXPECT_EQ(Position(3), 0);
  EXPECT_EQ(Position(1), -533);
  float x = 0, y = 0, z = 0;
  ASSERT_EQ(ydkz_.GetPos(x, y, z), 0);
  EXPECT_NEAR(x, -2.0f, 0.01f);
  EXPECT_NEAR(z, 1.0f, 0.01f);
  // A long Z move: controller axis 4 (bit 3) is copied to bit 2, so bits 0-2 read X, Y, Z.
  ASSERT_EQ(ydkz_.Pmove(3, 20.0f, 1, 100, 5), 0);
  int32_t status = 0;
  ASSERT_EQ(ydkz_.GetMotionStatus(status), 0);
  EXPECT_EQ(status, 12);
  ydkz_.dec_stop(3);
  WaitStill();
  library_.SetTimeOut(20);  // ms; the controller is about to go silent
  library_.SetReSend(1);
  sim_->Stop();  // the controller is gone: positions read as zero
  x = y = z = 9;
  EXPECT_NE(ydkz_.GetPos(x, y, z), 0);
  EXPECT_EQ(std::tuple(x, y, z), std::tuple(0.0f, 0.0f, 0.0f));
}

struct QuietHost : kw::RunHost {
  int progress = 0;
  int stopAfter = -1;  // progress events before the stop button goes down
  void Progress(const kw::RunProgress&) override { ++progress; }
  bool StopRequested() override { return stopAfter >= 0 && progress > stopAfter; }
};

TEST_F(MachineOnSimulator, AJobCutsWithThePenAtItsHeightAndReturnsToTheOrigin) {
  QuietHost host;
  ASSERT_TRUE(kw::GoHome(ydkz_, s_, host).homed);
  kw::pathcore::CPathObj doc;
  const std::vector<float> X{0, -30, -10}, Y{0, 10, 10};
  doc.AddPath(X, Y, 0);  // a pen stroke
  doc.ZL();
  kw::CCutLayer layers;
  kw::CLayerMap map;
  sim_->With([](Machine& m, const auto&) { m.Path().Clear(); });
  kw::JobRun run(library_, ydkz_, s_, layers, map, host);
  const kw::RunSummary summary = run.Run(doc, kw::RunOptionsFromSettings(s_));
  EXPECT_TRUE(summary.started);
  EXPECT_FALSE(summary.stopped);
  EXPECT_EQ(summary.pathsRun, 1);
  // The pen went down to -8 mm between (-30, 10) and (-10, 10), in pulses.
  const auto samples = sim_->With([](Machine& m, const auto&) { return m.Path().Samples(); });
  const double penZ = -8 * 6400 / 24.0;
  bool startDown = false, endDown = false;
  for (const auto& p : samples) {
    if (std::abs(p.z - penZ) > 1) continue;
    startDown |= std::abs(p.x + 8000) < 1 && std::abs(p.y - 2667) < 1;
    endDown |= std::abs(p.x + 2667) < 1 && std::abs(p.y - 2667) < 1;
  }
  EXPECT_TRUE(startDown);
  EXPECT_TRUE(endDown);
  EXPECT_EQ(Position(1), 0);
  EXPECT_EQ(Position(2), 0);
  EXPECT_EQ(Position(4), -533);  // the tool lifted to -2 mm
}

TEST_F(MachineOnSimulator, StopLiftsTheToolAndStillReturnsToTheOrigin) {
  QuietHost host;
  ASSERT_TRUE(kw::GoHome(ydkz_, s_, host).homed);
  kw::pathcore::CPathObj doc;
  for (int i = 0; i < 5; ++i) {
    const std::vector<float> X{0, -40, -5}, Y{0, 5.0f + i, 5.0f + i};
    doc.AddPath(X, Y, 0);
  }
  doc.ZL();
  kw::CCutLayer layers;
  kw::CLayerMap map;
  host.stopAfter = 1;
  kw::JobRun run(library_, ydkz_, s_, layers, map, host);
  const kw::RunSummary summary = run.Run(doc, kw::RunOptionsFromSettings(s_));
  EXPECT_TRUE(summary.stopped);
  EXPECT_LT(summary.pathsRun, 5);
  EXPECT_EQ(Position(1), 0);
  EXPECT_EQ(Position(2), 0);
  EXPECT_EQ(Position(4), -533);
}

}  // namespace
