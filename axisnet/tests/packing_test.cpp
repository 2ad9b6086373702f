// What each export puts in its request's data field, seen by a peer that
// never answers (resend limit 0, so each call sends exactly one frame).
#include <gtest/gtest.h>

#include <functional>

#include "axisnet/axisnet.h"
#include "axisproto/frame.h"
#include "raw_peer.h"

namespace kw::axisnet::testing {
namespace {

using Bytes = std::vector<uint8_t>;

struct Case {
  const char* name;
  std::function<void()> call;
  uint8_t command;
  Bytes data;
};

int32_t i32;
int16_t i16;
uint8_t u8;
const uint8_t kAddress[4] = {10, 0, 0, 7};

const std::vector<Case>& Cases() {
  static const std::vector<Case> cases = {
      {"LinkConnect", [] { LinkConnect(); }, 0x01, {1}},
      {"LinkDisConnect", [] { LinkDisConnect(); }, 0x02, {}},
      {"SetPCMarkB", [] { SetPCMarkB(-2); }, 0x03, {0xFF, 0xFE}},
      {"GetPCMarkB", [] { GetPCMarkB(&i16); }, 0x04, {}},
      {"SetGpOut", [] { SetGpOut(0x105, 0x201); }, 0x05, {0x05, 0x01}},
      {"GetGpIn", [] { GetGpIn(&i32); }, 0x06, {}},
      {"GetGpOut", [] { GetGpOut(&i32); }, 0x07, {}},
      {"SetCapUnit", [] { SetCapUnit(1, 2, 3, 0x1FF); }, 0x08, {1, 2, 3, 0xFF}},
      {"GetCapPos", [] { GetCapPos(2, &i32); }, 0x09, {2}},
      {"SetModRegA", [] { SetModRegA(0x1234); }, 0x0A, {0x12, 0x34}},
      {"SetLmtMode", [] { SetLmtMode(11, 15, 15, 7, 15, 9, 15, 15, 1, 1, 1, 0, 1, 1, 1, 1); }, 0x0B,
       {11, 15, 15, 7, 15, 9, 15, 15, 1, 1, 1, 0, 1, 1, 1, 1}},
      {"Pmove", [] { Pmove(4, -1, 1000, 50000, 0x01020304); }, 0x10,
       {4, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0x03, 0xE8, 0, 0, 0xC3, 0x50, 1, 2, 3, 4}},
      {"dec_stop", [] { dec_stop(3); }, 0x11, {3}},
      {"sudden_stop", [] { sudden_stop(1); }, 0x12, {1}},
      {"Lmt_Disable", [] { Lmt_Disable(1); }, 0x13, {1}},
      {"SetPosDev", [] { SetPosDev(2, 0x7FFFFFFF); }, 0x20, {2, 0x7F, 0xFF, 0xFF, 0xFF}},
      {"GetPosDev", [] { GetPosDev(&i32, &i32, &i32, &i32); }, 0x30, {}},
      {"GetMotionStatus", [] { GetMotionStatus(&i32); }, 0x31, {}},
      {"GetSynData", [] { GetSynData(&i32); }, 0x32, {}},
      {"GetJoyData", [] { GetJoyData(&u8, &i16); }, 0x33, {}},
      {"BatchBegin", [] { BatchBegin(1, 2, 3); BatchEnd(); }, 0x43, {0}},
      {"SynAxisConfig", [] { SynAxisConfig(1, -1, 256, 0); }, 0x80,
       {0, 0, 0, 1, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 1, 0, 0, 0, 0, 0}},
      {"SynGPOUTConfig", [] { SynGPOUTConfig(0x01020304, 5, 0x106); }, 0x81, {1, 2, 3, 4, 5, 6}},
      {"Start_IOConfig", [] { Start_IOConfig(7, 8, 9); }, 0x82, {7, 8, 9}},
      {"RecordInfo", [] { RecordInfo(0x1AB); }, 0x83, {0xAB}},
      {"GetRecordInfo", [] { GetRecordInfo(&i16, &i32, &i32, &i32, &i32, &i32); }, 0x84, {}},
      {"Set_IPAddress", [] { Set_IPAddress(kAddress); }, 0x85, {10, 0, 0, 7}},
      {"GetSysVerDev", [] { GetSysVerDev(&i16); }, 0x00, {}},
  };
  return cases;
}

TEST(Packing, EveryExportSendsItsCommandWithBigEndianFields) {
  RawPeer peer;
  ASSERT_EQ(OpenPort("127.0.0.1", peer.Port()), 0);
  SetTimeOut(2);
  SetReSend(0);
  for (const Case& c : Cases()) {
    c.call();
    const auto sent = peer.Drain(20);
    ASSERT_FALSE(sent.empty()) << c.name;
    // A batch also sends its worker's frames; the first one is the call's own.
    EXPECT_EQ(sent[0], BuildRequest(c.command, c.data)) << c.name;
  }
  ClosePort();
}

TEST(Packing, AxisOutsideOneToFourSendsNothing) {
  RawPeer peer;
  ASSERT_EQ(OpenPort("127.0.0.1", peer.Port()), 0);
  SetTimeOut(2);
  SetReSend(0);
  EXPECT_EQ(Pmove(0, 10, 1, 1, 1), -1);
  EXPECT_EQ(Pmove(5, 10, 1, 1, 1), -1);
  EXPECT_EQ(dec_stop(0), -1);
  EXPECT_EQ(sudden_stop(5), -1);
  EXPECT_EQ(SetPosDev(-1, 0), -1);
  EXPECT_TRUE(peer.Drain(20).empty());
  ClosePort();
}

}  // namespace
}  // namespace kw::axisnet::testing
