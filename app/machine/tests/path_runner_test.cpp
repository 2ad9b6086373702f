#include "machine/path_runner.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "run_test_setup.h"

namespace {

using Calls = std::vector<std::string>;

class PathRunnerTest : public kw::test::RunTestSetup {
 protected:
  kw::RunState state;
  kw::PathRunner runner{fake, ydkz, settings, cutLayers, host, state};

  // Runs one path given in pulses; returns the cancel flag.
  bool Run(std::vector<int32_t> X, std::vector<int32_t> Y, int16_t layer) {
    X.insert(X.begin(), 0);
    Y.insert(Y.begin(), 0);
    bool cancel = false;
    runner.OutPath(X, Y, layer, cancel);
    return cancel;
  }
};

TEST_F(PathRunnerTest, PenPathTravelsLowersStreamsAndLifts) {
  fake.positions[3] = 100;  // Z at 1 mm
  EXPECT_FALSE(Run({-5000, -4000, -4000}, {1000, 1000, 3000}, 0));
  EXPECT_EQ(fake.calls, (Calls{
                            "Pmove(1,-5000,1200,120000,15000)",  // travel: 50 mm at the X travel values
                            "Pmove(2,1000,1200,120000,15000)",
                            "Pmove(4,100,1200,120000,15000)",  // pen down from 1 mm to 2 mm
                            "SetLayoutMode(1)",
                            "BatchCmdClr",
                            "BatchSetting(1000,50000,500)",  // the pen's TSMin, BufAcc, Cspeed
                            "BatchBegin(-5000,1000,0)",
                            "BatchCmdAdd(-4000,1000,0,5000,0)",  // layer 0 at 50 mm/s
                            "BatchCmdAdd(-4000,3000,0,5000,0)",
                            "SetBufOk",
                            "BatchEnd",
                            "Pmove(4,-200,1200,120000,15000)",  // up to ZPos_Up 0
                        }));
  EXPECT_EQ(fake.batchEndsWhileMoving, 0);  // the batch ends once X and Y are still
  EXPECT_EQ(state.toolDown, kw::kNoToolDown);
  EXPECT_EQ(state.progress.pathsDone, 1);
  EXPECT_DOUBLE_EQ(state.progress.cutLength, 30);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(PathRunnerTest, LayerArgumentChoosesToolHeightAndBatchValues) {
  struct Case {
    int16_t layer;
    std::string zMove;  // empty: Z stays
    std::string batchSetting;
    int16_t toolDownWhileCutting;
  };
  const std::vector<Case> cases{
      {0, "Pmove(4,200,1200,120000,15000)", "BatchSetting(1000,50000,500)", kw::kPenDown},
      {1, "Pmove(4,500,1200,120000,15000)", "BatchSetting(2000,80000,700)", kw::kKnifeDown},
      {2, "Pmove(4,400,1200,120000,15000)", "BatchSetting(2000,80000,700)", kw::kHalfCutDown},
      {3, "", "BatchSetting(0,0,0)", kw::kNoToolDown},
  };
  for (const Case& c : cases) {
    fake.calls.clear();
    int16_t seen = -1;
    fake.afterCall = [&](const std::string& call) {
      if (call == "SetBufOk") seen = state.toolDown;
    };
    Run({-100, -200}, {100, 100}, c.layer);
    const Calls z = fake.CallsStartingWith("Pmove(4");
    EXPECT_EQ(z.size(), c.zMove.empty() ? 1u : 2u) << c.layer;  // down (maybe) and up
    if (!c.zMove.empty()) {
      EXPECT_EQ(z.front(), c.zMove) << c.layer;
    }
    EXPECT_EQ(fake.CallsStartingWith("BatchSetting"), Calls{c.batchSetting}) << c.layer;
    EXPECT_EQ(seen, c.toolDownWhileCutting) << c.layer;
    fake.positions[3] = 0;
  }
}

TEST_F(PathRunnerTest, PathOfCoincidentPointsMakesNoMotion) {
  EXPECT_FALSE(Run({-300, -300, -300, -300}, {700, 700, 700, 700}, 1));
  EXPECT_TRUE(fake.calls.empty());
  EXPECT_EQ(state.pathsSkipped, 1);
  EXPECT_EQ(state.progress.pathsDone, 0);
}

TEST_F(PathRunnerTest, FullBufferRetriesTheSamePointUntilStored) {
  fake.fullAnswers = 3;
  Run({-100, -200, -300}, {100, 100, 200}, 0);
  const Calls adds = fake.CallsStartingWith("BatchCmdAdd");
  EXPECT_EQ(adds, (Calls{"BatchCmdAdd full", "BatchCmdAdd full", "BatchCmdAdd full",
                         "BatchCmdAdd(-200,100,0,5000,0)", "BatchCmdAdd(-300,200,0,5000,0)"}));
  ASSERT_EQ(fake.batches.size(), 1u);
  EXPECT_EQ(fake.batches[0], (std::vector<std::pair<int, int>>{{-100, 100}, {-200, 100}, {-300, 200}}));
}

TEST_F(PathRunnerTest, LayerProLongIsAppliedBeforeStreaming) {
  cutLayers.ProLong(0, 2);
  Run({0, -1000, -1000, 0, 0}, {0, 0, 1000, 1000, 0}, 0);
  ASSERT_EQ(fake.batches.size(), 1u);
  EXPECT_EQ(fake.batches[0].back(), (std::pair<int, int>{-200, 0}));
  EXPECT_DOUBLE_EQ(state.progress.cutLength, 42);
}

TEST_F(PathRunnerTest, StopWhileStreamingDropsTheRestLiftsAndCancels) {
  fake.afterCall = [&](const std::string& call) {
    if (call.rfind("BatchCmdAdd(-200", 0) == 0) host.stop = true;
  };
  EXPECT_TRUE(Run({-100, -200, -300, -400}, {100, 100, 100, 100}, 1));
  const Calls& c = fake.calls;
  EXPECT_EQ(fake.CallsStartingWith("BatchCmdAdd").size(), 1u);
  EXPECT_TRUE(fake.CallsStartingWith("SetBufOk").empty());
  const auto end = std::find(c.begin(), c.end(), "BatchEnd");
  ASSERT_NE(end, c.end());
  EXPECT_EQ(Calls(end, c.end()), (Calls{"BatchEnd", "Pmove(4,-500,1200,120000,15000)"}));
  EXPECT_EQ(state.stopFlag, -1);
  EXPECT_EQ(state.toolDown, kw::kNoToolDown);
  EXPECT_EQ(fake.positions[3], 0);

  fake.calls.clear();  // later paths do nothing and keep cancelling
  EXPECT_TRUE(Run({-100, -200}, {100, 100}, 1));
  EXPECT_TRUE(fake.calls.empty());
}

TEST_F(PathRunnerTest, StopDuringTravelEndsThePathBeforeTheToolGoesDown) {
  host.onEvents = [&] { host.stop = true; };
  EXPECT_TRUE(Run({-100, -200}, {100, 100}, 0));
  EXPECT_TRUE(fake.CallsStartingWith("BatchBegin").empty());
  EXPECT_EQ(fake.calls.back(), "Pmove(4,0,1200,120000,15000)");
}

TEST_F(PathRunnerTest, FailedCallInsideAPathShowsCommunicationErrorAndLifts) {
  for (const std::string function : {"GetMotionStatus", "Pmove", "BatchBegin", "BatchCmdAdd", "BatchEnd"}) {
    SCOPED_TRACE(function);
    Reset();
    kw::RunState fresh;
    kw::PathRunner failing{fake, ydkz, settings, cutLayers, host, fresh};
    fake.failFunction = function;
    fake.failAt = 1;
    std::vector<int32_t> X{0, -100, -200}, Y{0, 100, 100};
    bool cancel = false;
    failing.OutPath(X, Y, 1, cancel);
    EXPECT_TRUE(cancel);
    EXPECT_EQ(host.messages, Calls{"0024"});
    EXPECT_TRUE(fresh.communicationFailed);
    EXPECT_EQ(fresh.toolDown, kw::kNoToolDown);
    EXPECT_EQ(fake.positions[3], 0);  // the knife is up again
  }
}

TEST_F(PathRunnerTest, DroppedLinkEndsThePathWithoutHanging) {
  fake.failFunction = "BatchCmdAdd";
  fake.failAt = 2;
  fake.dropLink = true;
  EXPECT_TRUE(Run({-100, -200, -300}, {100, 100, 100}, 1));
  EXPECT_EQ(host.messages, Calls{"0024"});
  EXPECT_EQ(state.stopFlag, -1);
}

TEST_F(PathRunnerTest, PauseHoldsTheWaitAndStopStillEndsIt) {
  host.pause = true;
  int heldEvents = 0;
  host.onEvents = [&] {
    if (host.pause && ++heldEvents == 5) host.pause = false;
  };
  Run({-100, -200}, {100, 100}, 0);
  EXPECT_EQ(heldEvents, 5);
  EXPECT_EQ(fake.batches.size(), 1u);

  Reset();
  kw::RunState fresh;
  kw::PathRunner paused{fake, ydkz, settings, cutLayers, host, fresh};
  host.pause = true;
  host.onEvents = [&] { host.stop = ++heldEvents > 8; };
  std::vector<int32_t> X{0, -100, -200}, Y{0, 100, 100};
  bool cancel = false;
  paused.OutPath(X, Y, 0, cancel);
  EXPECT_TRUE(cancel);
  EXPECT_TRUE(fake.batches.empty());
}

}  // namespace
