#include "machine/homing_sequence.h"

#include <gtest/gtest.h>

#include "run_test_setup.h"

namespace {

using Calls = std::vector<std::string>;

class HomingTest : public kw::test::RunTestSetup {
 protected:
  HomingTest() {
    settings.ZPos_Up = 1;
    fake.positions[0] = -3000, fake.positions[1] = 5000, fake.positions[3] = 300;
  }
};

TEST_F(HomingTest, RunsZThenXAndYIntoTheirLimitsAndMarksTheMachineHomed) {
  const kw::HomingResult result = kw::GoHome(ydkz, settings, host);
  EXPECT_TRUE(result.homed);
  EXPECT_FALSE(result.cancelled);
  EXPECT_EQ(fake.calls, (Calls{
                            "SetPCMarkB(0)",
                            "Pmove(4,-1580,1200,120000,15000)",  // to a fifth of a revolution (12.8 mm) below 0
                            "Lmt_Disable(0)",
                            "Pmove(4,500000,1200,120000,3000)",  // into the Z limit at the homing speed
                            "SetPosDev(1,0)",
                            "SetPosDev(2,0)",
                            "SetPosDev(4,0)",
                            "Lmt_Disable(1)",
                            "Pmove(4,100,1200,120000,15000)",  // up to ZPos_Up
                            "Lmt_Disable(0)",
                            "Pmove(1,500000,1200,120000,3000)",
                            "Pmove(2,-500000,1200,120000,3000)",
                            "Lmt_Disable(1)",
                            "SetPosDev(1,0)",
                            "SetPosDev(2,0)",
                            "SetPosDev(4,100)",  // Z keeps its height
                            "SetPCMarkB(1)",
                        }));
  EXPECT_EQ(fake.pcMarkB, 1);
}

TEST_F(HomingTest, CancelStopsEveryAxisSkipsTheRestAndLeavesTheMachineUnhomed) {
  fake.afterCall = [&](const std::string& call) {
    if (call == "Pmove(4,500000,1200,120000,3000)") host.stop = true;
  };
  const kw::HomingResult result = kw::GoHome(ydkz, settings, host);
  EXPECT_TRUE(result.cancelled);
  EXPECT_FALSE(result.homed);
  EXPECT_EQ(fake.calls, (Calls{
                            "SetPCMarkB(0)",
                            "Pmove(4,-1580,1200,120000,15000)",
                            "Lmt_Disable(0)",
                            "Pmove(4,500000,1200,120000,3000)",
                            "dec_stop(1)",
                            "dec_stop(2)",
                            "dec_stop(4)",
                            "Lmt_Disable(1)",
                            "SetPCMarkB(0)",
                        }));
  EXPECT_EQ(fake.pcMarkB, 0);
}

}  // namespace
