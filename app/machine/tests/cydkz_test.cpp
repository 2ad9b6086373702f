#include "machine/cydkz.h"

#include <gtest/gtest.h>

#include "fake_axisnet.h"

namespace {

using Calls = std::vector<std::string>;

class CYdkzTest : public ::testing::Test {
 protected:
  kw::test::RecordingAxisnet fake;
  kw::MachineSettings settings;
  kw::CYdkz ydkz{fake, settings};
};

TEST_F(CYdkzTest, OpenPortIgnoresItsArgumentAndOpensTheConfiguredController) {
  settings.ControllerAddress = "127.0.0.1";
  settings.ControllerPort = 5123;
  EXPECT_EQ(ydkz.OpenPort("10.1.1.1"), 0);
  fake.result = -1;
  EXPECT_EQ(ydkz.OpenPort(""), -1);
  EXPECT_EQ(fake.calls, (Calls{"OpenPort(127.0.0.1,5123)", "OpenPort(127.0.0.1,5123)"}));
}

TEST_F(CYdkzTest, ConnectSetsTheLimitModeOnlyWhenTheControllerAnswers) {
  EXPECT_EQ(ydkz.Connect(), 0);
  EXPECT_EQ(fake.calls, (Calls{"LinkConnect", "SetLmtMode(11,15,15,7,15,9,15,15,1,1,1,0,1,1,1,1)"}));
  fake.calls.clear();
  fake.connectResult = -1;
  EXPECT_EQ(ydkz.Connect(), -1);
  EXPECT_EQ(fake.calls, (Calls{"LinkConnect"}));
}

TEST_F(CYdkzTest, PmoveConvertsEveryValueAndMapsZToAxisFour) {
  settings.Sgdc[2] = 5;
  settings.Mcs[2] = 1000;
  EXPECT_EQ(ydkz.Pmove(1, 10, 12, 1200, 150), 0);
  EXPECT_EQ(ydkz.Pmove(3, -2.5f, 1, 0.0025f, 0.0075f), 0);
  // 10 mm = 2666.67 pulses; 0.0025 mm = 0.5 pulse goes to even 0, 0.0075 mm = 1.5 to 2.
  EXPECT_EQ(fake.calls, (Calls{"Pmove(1,2667,3200,320000,40000)", "Pmove(4,-500,200,0,2)"}));
  EXPECT_THROW(ydkz.Pmove(0, 1, 1, 1, 1), std::out_of_range);
  EXPECT_THROW(ydkz.Pmove(4, 1, 1, 1, 1), std::out_of_range);
  EXPECT_EQ(fake.calls.size(), 2u);
}

TEST_F(CYdkzTest, ConversionBeyondThirtyTwoBitsIsAnOverflowAndSendsNothing) {
  EXPECT_THROW(ydkz.Pmove(2, 1e9f, 1, 1, 1), kw::ConversionOverflow);
  settings.Sgdc[0] = 0;
  EXPECT_THROW(ydkz.Pmove(1, 0, 1, 1, 1), kw::ConversionOverflow);
  EXPECT_THROW(ydkz.SetPos(1, 1e9f, 0), kw::ConversionOverflow);
  EXPECT_TRUE(fake.calls.empty());
  // Near the limit the single-precision quotient shows: 333333.34375 revolutions.
  EXPECT_EQ(kw::PulsesOf(-8.0e6f, 1, kw::MachineSettings{}), -2133333400);
}

TEST_F(CYdkzTest, DecStopMapsAxisThreeAndPassesOthersThrough) {
  ydkz.dec_stop(3);
  ydkz.dec_stop(4);
  ydkz.dec_stop(1);
  EXPECT_EQ(fake.calls, (Calls{"dec_stop(4)", "dec_stop(4)", "dec_stop(1)"}));
}

TEST_F(CYdkzTest, MotionStatusMovesTheZBitFromAxisFour) {
  int32_t status = 0;
  for (const auto& [controller, program] : std::vector<std::pair<int, int>>{{8, 12}, {4, 0}, {3, 3}, {15, 15}, {11, 15}}) {
    fake.status = controller;
    EXPECT_EQ(ydkz.GetMotionStatus(status), 0);
    EXPECT_EQ(status, program) << controller;
  }
}

TEST_F(CYdkzTest, GetPosReadsAxesOneTwoFourAndGivesZeroesOnFailure) {
  fake.positions[0] = 2667;
  fake.positions[1] = -6400;
  fake.positions[2] = 999;
  fake.positions[3] = 3200;
  float x = 5, y = 5, z = 5;
  EXPECT_EQ(ydkz.GetPos(x, y, z), 0);
  EXPECT_FLOAT_EQ(x, 10.00125f);
  EXPECT_FLOAT_EQ(y, -24.0f);
  EXPECT_FLOAT_EQ(z, 12.0f);
  fake.result = -1;
  EXPECT_EQ(ydkz.GetPos(x, y, z), -1);
  EXPECT_EQ(x, 0.0f);
  EXPECT_EQ(y, 0.0f);
  EXPECT_EQ(z, 0.0f);
}

TEST_F(CYdkzTest, SetPosWritesAxesOneTwoFourInOrder) {
  fake.result = -1;
  EXPECT_EQ(ydkz.SetPos(24, -12, 3), -1);
  EXPECT_EQ(fake.calls, (Calls{"SetPosDev(1,6400)", "SetPosDev(2,-3200)", "SetPosDev(4,800)"}));
}

TEST_F(CYdkzTest, FlagsMarksAndOutputBits) {
  ydkz.Lmt_Disable(true);
  ydkz.Lmt_Disable(false);
  ydkz.SetPCMarkB(1);
  fake.pcMarkB = 1;
  int16_t mark = 0;
  EXPECT_EQ(ydkz.GetPCMarkB(mark), 0);
  EXPECT_EQ(mark, 1);
  fake.outputs = 0b1010;
  EXPECT_TRUE(ydkz.GetOutBit(1));
  EXPECT_FALSE(ydkz.GetOutBit(2));
  EXPECT_FALSE(ydkz.GetOutBit(40));
  fake.result = -1;
  EXPECT_EQ(ydkz.SetOutBit(5, 1), 0);
  EXPECT_FALSE(ydkz.GetOutBit(1));  // a failed read sees no bits
  EXPECT_EQ(fake.calls, (Calls{"Lmt_Disable(1)", "Lmt_Disable(0)", "SetPCMarkB(1)", "GetPCMarkB",
                               "GetGpOut", "GetGpOut", "GetGpOut", "SetGpOut(5,1)", "GetGpOut"}));
}

}  // namespace
