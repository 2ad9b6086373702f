// The exports against the simulated controller: replies unpacked into the
// outputs, wrong reply lengths refused, and the machine doing what was asked.
#include <gtest/gtest.h>

#include <functional>

#include "sim_fixture.h"

namespace kw::axisnet::testing {
namespace {

using axissim::ControllerState;
using axissim::Machine;

class ExportsTest : public SimTest {};

TEST_F(ExportsTest, GettersUnpackTheControllersValues) {
  sim_.With([](Machine&, ControllerState& s) {
    s.pendant_key = 0xC1;
    s.pendant_value = -300;
    s.inputs = 0x8010;
    return 0;
  });
  int16_t version = 0;
  ASSERT_EQ(GetSysVerDev(&version), 0);
  EXPECT_EQ(version, 0x0210);
  uint8_t key = 0;
  int16_t value = 0;
  ASSERT_EQ(GetJoyData(&key, &value), 0);
  EXPECT_EQ(key, 0xC1);
  EXPECT_EQ(value, -300);
  int32_t inputs = 0;
  ASSERT_EQ(GetGpIn(&inputs), 0);
  EXPECT_EQ(inputs, 0x8010);  // zero-extended: no sign from bit 15

  ASSERT_EQ(SetPCMarkB(-1), 0);
  int16_t mark = 0;
  ASSERT_EQ(GetPCMarkB(&mark), 0);
  EXPECT_EQ(mark, -1);

  ASSERT_EQ(SetGpOut(3, 1), 0);
  ASSERT_EQ(SetGpOut(5, 1), 0);
  ASSERT_EQ(SetGpOut(3, 0), 0);
  int32_t outputs = 0;
  ASSERT_EQ(GetGpOut(&outputs), 0);
  EXPECT_EQ(outputs, 1 << 5);
}

TEST_F(ExportsTest, PositionsCaptureAndRecordInfoCarrySignedValues) {
  ASSERT_EQ(SetPosDev(1, -123456), 0);
  ASSERT_EQ(SetPosDev(4, 2000000000), 0);
  int32_t p1 = 0, p2 = 0, p3 = 0, p4 = 0;
  ASSERT_EQ(GetPosDev(&p1, &p2, &p3, &p4), 0);
  EXPECT_EQ(std::vector<int32_t>({p1, p2, p3, p4}), std::vector<int32_t>({-123456, 0, 0, 2000000000}));
  int32_t captured = 0;
  ASSERT_EQ(GetCapPos(1, &captured), 0);
  EXPECT_EQ(captured, -123456);
  ASSERT_EQ(RecordInfo(9), 0);
  int16_t kind = 0;
  int32_t v[5] = {};
  ASSERT_EQ(GetRecordInfo(&kind, &v[0], &v[1], &v[2], &v[3], &v[4]), 0);
  EXPECT_EQ(kind, 9);
  EXPECT_EQ(v[0], -123456);
  int32_t syn = -1;
  EXPECT_EQ(GetSynData(&syn), 0);
  EXPECT_EQ(syn, 0);
}

TEST_F(ExportsTest, ConfigurationCommandsReachTheController) {
  ASSERT_EQ(SetLmtMode(11, 15, 15, 7, 15, 9, 15, 15, 1, 1, 1, 0, 1, 1, 1, 1), 0);
  const uint8_t address[4] = {192, 168, 1, 20};
  ASSERT_EQ(Set_IPAddress(address), 0);
  ASSERT_EQ(SynAxisConfig(1, 2, 3, -4), 0);
  ASSERT_EQ(SynGPOUTConfig(1, 2, 3), 0);
  ASSERT_EQ(Start_IOConfig(1, 2, 3), 0);
  ASSERT_EQ(SetCapUnit(4, 3, 2, 1), 0);
  ASSERT_EQ(SetModRegA(0x55AA), 0);
  const ControllerState s = sim_.StateCopy();
  EXPECT_EQ(s.limit_mode[0], 11);
  EXPECT_EQ(s.limit_mode[11], 0);
  EXPECT_EQ(s.new_address[0], 192);
  EXPECT_EQ(s.new_address[3], 20);
  EXPECT_EQ(s.syn_axis_config[3], -4);
  EXPECT_EQ(s.capture_unit[0], 4);
  EXPECT_EQ(s.register_a, 0x55AA);
}

// Each getter with its command and the reply length it expects; the call
// reports its outputs, which all start as 77.
struct Getter {
  const char* name;
  uint8_t command;
  int length;
  std::function<int32_t(std::vector<int32_t>& outputs)> call;
};

const std::vector<Getter>& Getters() {
  using Out = std::vector<int32_t>;
  static const std::vector<Getter> getters = {
      {"GetPosDev", 0x30, 20, [](Out& o) { return GetPosDev(&o[0], &o[1], &o[2], &o[3]); }},
      {"GetMotionStatus", 0x31, 2, [](Out& o) { return GetMotionStatus(&o[0]); }},
      {"GetSynData", 0x32, 4, [](Out& o) { return GetSynData(&o[0]); }},
      {"GetGpIn", 0x06, 2, [](Out& o) { return GetGpIn(&o[0]); }},
      {"GetGpOut", 0x07, 2, [](Out& o) { return GetGpOut(&o[0]); }},
      {"GetCapPos", 0x09, 4, [](Out& o) { return GetCapPos(1, &o[0]); }},
      {"GetJoyData", 0x33, 3,
       [](Out& o) {
         uint8_t key = 77;
         int16_t value = 77;
         const int32_t r = GetJoyData(&key, &value);
         o[0] = key;
         o[1] = value;
         return r;
       }},
      {"GetRecordInfo", 0x84, 21,
       [](Out& o) {
         int16_t kind = 77;
         const int32_t r = GetRecordInfo(&kind, &o[1], &o[2], &o[3], &o[4], &o[5]);
         o[0] = kind;
         return r;
       }},
      {"GetPCMarkB", 0x04, 2,
       [](Out& o) {
         int16_t v = 77;
         const int32_t r = GetPCMarkB(&v);
         o[0] = v;
         return r;
       }},
      {"GetSysVerDev", 0x00, 2,
       [](Out& o) {
         int16_t v = 77;
         const int32_t r = GetSysVerDev(&v);
         o[0] = v;
         return r;
       }},
  };
  return getters;
}

TEST_F(ExportsTest, GettersRefuseRepliesOfAnyOtherLengthAndLeaveOutputsUnchanged) {
  const std::vector<int32_t> untouched(6, 77);
  for (const Getter& g : Getters()) {
    for (int length : {0, g.length - 1, g.length + 1, 200}) {
      axissim::Faults faults;
      faults.reply_length[g.command] = length;
      sim_.SetFaults(faults);
      std::vector<int32_t> outputs = untouched;
      EXPECT_EQ(g.call(outputs), -1) << g.name << " " << length;
      EXPECT_EQ(outputs, untouched) << g.name << " " << length;
    }
    sim_.SetFaults({});
    std::vector<int32_t> outputs = untouched;
    EXPECT_EQ(g.call(outputs), 0) << g.name;
    EXPECT_NE(outputs, untouched) << g.name;
  }
}

TEST_F(ExportsTest, PmoveRunsTheAxisAndReportsItMovingUntilItArrives) {
  ASSERT_EQ(Lmt_Disable(1), 0);
  ASSERT_EQ(Pmove(2, -400000, 1000, 100000, 20000), 0);  // 20 s at the speed: long enough to see
  int32_t status = 0;
  ASSERT_EQ(GetMotionStatus(&status), 0);
  EXPECT_EQ(status, 0b10);
  ASSERT_EQ(sudden_stop(2), 0);
  ASSERT_TRUE(MachineStill(0xF));
  int32_t p[4] = {};
  ASSERT_EQ(GetPosDev(&p[0], &p[1], &p[2], &p[3]), 0);
  EXPECT_LT(p[1], 0);
  EXPECT_GT(p[1], -400000);

  ASSERT_EQ(Pmove(4, 3000, 500, 20000, 8000), 0);
  ASSERT_EQ(Pmove(1, -2500, 500, 20000, 8000), 0);
  ASSERT_TRUE(MachineStill(0xF));
  ASSERT_EQ(GetPosDev(&p[0], &p[1], &p[2], &p[3]), 0);
  EXPECT_EQ(p[0], -2500);
  EXPECT_EQ(p[3], 3000);
}

TEST_F(ExportsTest, HomingRunsIntoTheLimitSwitchesOnlyWhileLimitsAreOn) {
  const axissim::SimConfig limits = FastSim();
  // Z up into its switch, then X to its positive and Y to its negative end together.
  ASSERT_EQ(Lmt_Disable(0), 0);
  ASSERT_EQ(Pmove(4, 1000000, 1000, 200000, 40000), 0);
  ASSERT_TRUE(MachineStill(0xF));
  ASSERT_EQ(Pmove(1, 1000000, 1000, 200000, 40000), 0);
  ASSERT_EQ(Pmove(2, -1000000, 1000, 200000, 40000), 0);
  ASSERT_TRUE(MachineStill(0xF));
  int32_t p[4] = {};
  ASSERT_EQ(GetPosDev(&p[0], &p[1], &p[2], &p[3]), 0);
  EXPECT_EQ(p[0], limits.x_limit);
  EXPECT_EQ(p[1], limits.y_limit);
  EXPECT_EQ(p[3], limits.z_limit);
  int32_t inputs = 0;
  ASSERT_EQ(GetGpIn(&inputs), 0);
  EXPECT_EQ(inputs & 0x7, 0x7);

  // Zeroed at the switches, the head can only move away from them.
  ASSERT_EQ(SetPosDev(1, 0), 0);
  ASSERT_EQ(Pmove(1, 500, 100, 10000, 5000), 0);
  ASSERT_TRUE(MachineStill(0xF));
  ASSERT_EQ(GetPosDev(&p[0], &p[1], &p[2], &p[3]), 0);
  EXPECT_EQ(p[0], 0);
  ASSERT_EQ(Lmt_Disable(1), 0);
  ASSERT_EQ(Pmove(1, 500, 100, 10000, 5000), 0);
  ASSERT_TRUE(MachineStill(0xF));
  ASSERT_EQ(GetPosDev(&p[0], &p[1], &p[2], &p[3]), 0);
  EXPECT_EQ(p[0], 500);
}

}  // namespace
}  // namespace kw::axisnet::testing
