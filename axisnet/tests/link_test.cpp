// The transaction rules: what goes on the wire, resends, time-outs, refusals
// and the counters.
#include <gtest/gtest.h>

#include <thread>

#include "axisnet/axisnet.h"
#include "axisproto/frame.h"
#include "raw_peer.h"
#include "sim_fixture.h"

namespace kw::axisnet::testing {
namespace {

using Bytes = std::vector<uint8_t>;

class UnansweredLink : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(OpenPort("127.0.0.1", peer_.Port()), 0);
    SetTimeOut(3);
    SetReSend(0);
    SetErrPack(0);
  }
  void TearDown() override { ClosePort(); }
  RawPeer peer_;
  TraceCollector trace_;
};

TEST_F(UnansweredLink, LinkConnectSendsTheExampleFrameOnceWithResendLimitZero) {
  EXPECT_EQ(LinkConnect(), -1);
  const auto sent = peer_.Drain();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0], (Bytes{0x69, 0x01, 0x00, 0x01, 0x01, 0x01, 0x7E, 0x80}));
  EXPECT_EQ(GetLinkStatus(), 0);
  EXPECT_EQ(trace_.Count("超时重发"), 0);
}

TEST_F(UnansweredLink, ASilentControllerGetsTheLimitPlusOneSends) {
  SetReSend(3);
  int32_t status = 77;
  EXPECT_EQ(GetMotionStatus(&status), -1);
  EXPECT_EQ(status, 77);
  const auto sent = peer_.Drain();
  ASSERT_EQ(sent.size(), 4u);
  for (const Bytes& d : sent) EXPECT_EQ(d, (Bytes{0x69, 0x31, 0x00, 0x00, 0x31, 0xFF, 0xFF}));
  EXPECT_EQ(trace_.Count("超时重发"), 3);
  EXPECT_EQ(GetErrPack(), 0);
}

TEST_F(UnansweredLink, LinkDisConnectClearsTheStatusEvenWithoutAnswer) {
  EXPECT_EQ(LinkDisConnect(), -1);
  EXPECT_EQ(GetLinkStatus(), 0);
}

// A second copy of a reply, already waiting when the next request goes out,
// must not be taken as that request's answer.
TEST_F(UnansweredLink, AStaleDuplicateReplyIsNotTakenForTheNextAnswer) {
  SetTimeOut(2000);  // only a guard: the peer answers at once
  std::thread peer([this] {
    const auto first = BuildReply(0, 0x04, Bytes{0, 1});
    peer_.AnswerNext({first, first});
    peer_.AnswerNext({BuildReply(0, 0x04, Bytes{0, 2})});
  });
  int16_t mark = 0;
  EXPECT_EQ(GetPCMarkB(&mark), 0);
  EXPECT_EQ(mark, 1);
  ASSERT_TRUE(peer_.AwaitUnreadReply()) << "the copy never arrived";
  EXPECT_EQ(GetPCMarkB(&mark), 0);
  EXPECT_EQ(mark, 2);
  peer.join();
  EXPECT_EQ(GetErrPack(), 0);
}

TEST(LinkWithoutPort, EveryCallFailsAtOnceAndWritesNothing) {
  ClosePort();
  int32_t a = 1, b = 2, c = 3, d = 4;
  EXPECT_EQ(GetPosDev(&a, &b, &c, &d), -1);
  EXPECT_EQ(std::vector<int32_t>({a, b, c, d}), std::vector<int32_t>({1, 2, 3, 4}));
  EXPECT_EQ(LinkConnect(), -1);
  EXPECT_EQ(OpenPort("not an address", 1001), -1);
  EXPECT_EQ(OpenPort(nullptr, 1001), -1);
  EXPECT_EQ(SetGpOut(1, 1), -1);
}

TEST(LinkSettings, KeepTheirValues) {
  SetTimeOut(123);
  SetReSend(4);
  SetTimePack(99);
  SetErrPack(7);
  EXPECT_EQ(GetTimeOut(), 123);
  EXPECT_EQ(GetReSend(), 4);
  EXPECT_EQ(GetTimePack(), 99);
  EXPECT_EQ(GetErrPack(), 7);
  SetReSend(-1);  // the limit is unsigned 16-bit
  EXPECT_EQ(GetReSend(), -1);
}

class LinkTest : public SimTest {};

TEST_F(LinkTest, ConnectsAndDisconnects) {
  EXPECT_EQ(LinkConnect(), 0);
  EXPECT_EQ(GetLinkStatus(), 1);
  EXPECT_TRUE(sim_.StateCopy().connected);
  EXPECT_EQ(LinkDisConnect(), 0);
  EXPECT_EQ(GetLinkStatus(), 0);
  ClosePort();
  EXPECT_EQ(GetLinkStatus(), 0);
}

// A port beyond 16 bits must not wrap round to another port.
TEST_F(LinkTest, APortOutsideSixteenBitsIsRefusedAndTheOpenLinkStays) {
  const int32_t port = sim_.Port();
  EXPECT_EQ(OpenPort("127.0.0.1", port + 65536), -1);
  EXPECT_EQ(OpenPort("127.0.0.1", -1), -1);
  EXPECT_EQ(OpenPort("127.0.0.1", INT32_MIN), -1);
  EXPECT_EQ(LinkConnect(), 0);
  EXPECT_EQ(OpenPort("127.0.0.1", port), 0);
}

TEST_F(LinkTest, RefusedRepliesAreCountedAndResentUpToTheLimit) {
  SetReSend(3);
  sim_.SetFaults(MakeFaults([](axissim::Faults& f) { f.refuse = 1.0; f.refuse_status = -3; }));
  EXPECT_EQ(LinkConnect(), -1);
  EXPECT_EQ(GetErrPack(), 3);  // the refusal of the last attempt leads to no resend
  EXPECT_EQ(trace_.Count("错误重发"), 3);
  EXPECT_EQ(GetLinkStatus(), 0);
}

TEST_F(LinkTest, AReplyForAnotherCommandIsRefusedEvenWithStatusZero) {
  SetReSend(2);
  sim_.SetFaults(MakeFaults([](axissim::Faults& f) { f.wrong_command = 1.0; }));
  int16_t mark = 5;
  EXPECT_EQ(GetPCMarkB(&mark), -1);
  EXPECT_EQ(mark, 5);
  EXPECT_EQ(GetErrPack(), 2);
}

TEST_F(LinkTest, OccasionalFaultsAreRiddenOutByResends) {
  sim_.SetFaults(MakeFaults([](axissim::Faults& f) { f.lose_request = 0.2; f.refuse = 0.2; f.drop_reply = 0.1; f.corrupt_reply = 0.1; f.seed = 7; }));
  for (int i = 0; i < 40; ++i) {
    ASSERT_EQ(SetPCMarkB(static_cast<int16_t>(i)), 0);
    int16_t mark = -1;
    ASSERT_EQ(GetPCMarkB(&mark), 0);
    EXPECT_EQ(mark, i);
  }
  EXPECT_GT(GetErrPack(), 0);
  EXPECT_GT(trace_.Count("超时重发"), 0);
}

TEST_F(LinkTest, ASilentSimulatorTimesOutAfterTheResends) {
  SetReSend(2);
  sim_.SetFaults(MakeFaults([](axissim::Faults& f) { f.silent = true; }));
  int32_t a = 1, b = 2, c = 3, d = 4;
  EXPECT_EQ(GetPosDev(&a, &b, &c, &d), -1);
  EXPECT_EQ(std::vector<int32_t>({a, b, c, d}), std::vector<int32_t>({1, 2, 3, 4}));
  EXPECT_EQ(trace_.Count("超时重发"), 2);
  EXPECT_EQ(GetErrPack(), 0);
  EXPECT_EQ(Requests(0x30), 0u);
}

// Frames carry no sequence number: a reply that comes too late for the first
// attempt answers the resent request.
TEST_F(LinkTest, ALateReplyAnswersTheResentRequest) {
  ASSERT_EQ(SetPCMarkB(42), 0);
  sim_.SetFaults(MakeFaults([](axissim::Faults& f) {
    f.delay_reply = 1.0;
    f.delay = std::chrono::milliseconds(60);
  }));
  SetTimeOut(40);
  int16_t mark = 0;
  EXPECT_EQ(GetPCMarkB(&mark), 0);
  EXPECT_EQ(mark, 42);
  EXPECT_GE(trace_.Count("超时重发"), 1);
}

}  // namespace
}  // namespace kw::axisnet::testing
