// Batches: records streamed through the double buffer arrive complete and in
// order even over a lossy link; points of layout mode 0 arrive expanded; and
// the calls that must not run during a batch refuse.
#include <gtest/gtest.h>

#include <thread>

#include "trapezoid.h"
#include "sim_fixture.h"

namespace kw::axisnet::testing {
namespace {

using axissim::ControllerState;
using axissim::Machine;

std::vector<BatchRecord> PathOf(int count) {
  std::vector<BatchRecord> records;
  for (int i = 0; i < count; ++i) records.push_back({i * 3, (i * 7919) % 5000 - 2500, 0, i % 5, 400000});
  return records;
}

// ThreadSanitizer ends a child forked from a process that has threads (here
// the simulator's) as soon as the child starts one, as BatchBegin must.
#if defined(__SANITIZE_THREAD__)
constexpr bool kForkedChildCanStartThreads = false;
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
constexpr bool kForkedChildCanStartThreads = false;
#else
constexpr bool kForkedChildCanStartThreads = true;
#endif
#else
constexpr bool kForkedChildCanStartThreads = true;
#endif

void AddUntilTaken(int32_t x, int32_t y, int32_t z, int32_t speed, int32_t aux) {
  while (BatchCmdAdd(x, y, z, speed, aux) != 0) std::this_thread::sleep_for(std::chrono::microseconds(200));
}

class BatchTest : public SimTest {
 protected:
  // The main program's calling order for one path.
  void Stream(const std::vector<BatchRecord>& records) {
    SetLayoutMode(1);
    BatchCmdClr();
    ASSERT_EQ(BatchSetting(1000, 50000, 1600), 0);
    ASSERT_EQ(BatchBegin(0, 0, 0), 0);
    for (const BatchRecord& r : records) AddUntilTaken(r.x, r.y, r.z, r.speed, r.auxiliary);
    SetBufOk();
    ASSERT_TRUE(MachineStill(0b11));
    EXPECT_EQ(BatchEnd(), 0);
  }

  void ExpectArrivedInOrder(const std::vector<BatchRecord>& records) {
    const std::vector<BatchRecord> taken = sim_.RecordsTaken();
    ASSERT_EQ(taken.size(), records.size());
    for (size_t i = 0; i < records.size(); ++i) ASSERT_EQ(taken[i], records[i]) << "record " << i;
  }
};

TEST_F(BatchTest, RecordsArriveCompleteAndInOrderWithTheFramesAroundThem) {
  const auto records = PathOf(3000);
  Stream(records);
  ExpectArrivedInOrder(records);
  const ControllerState s = sim_.StateCopy();
  EXPECT_EQ(s.batch_begin, (std::array<int32_t, 3>{0, 0, 0}));
  EXPECT_EQ(s.batch_settings, (std::array<int32_t, 5>{1000, 1000, 50000, 20000, 1600}));
  EXPECT_EQ(s.requests[0x55], 1u);
  EXPECT_EQ(s.requests[0x56], 1u);
  EXPECT_EQ(s.requests[0x43], 2u);  // batch begins, and all records handed over
  EXPECT_TRUE(s.batch_end_marked);
  EXPECT_EQ(trace_.Count("Exit->"), 1);
  EXPECT_EQ(GetBatchMode(), 0);
  const axissim::PathSample end =
      sim_.With([](Machine& m, ControllerState&) { return m.Path().Samples().back(); });
  EXPECT_EQ(end.x, records.back().x);
  EXPECT_EQ(end.y, records.back().y);
}

// The library ends a running batch when it is unloaded; a child process that
// exits with its batch still running shows it to the simulator.
TEST_F(BatchTest, UnloadingTheLibraryEndsARunningBatch) {
  if (!kForkedChildCanStartThreads) GTEST_SKIP() << "a forked child cannot start threads under ThreadSanitizer";
  GTEST_FLAG_SET(death_test_style, "fast");
  EXPECT_EXIT(
      {
        BatchBegin(0, 0, 0);
        std::exit(0);
      },
      ::testing::ExitedWithCode(0), "");
  EXPECT_TRUE(Eventually([this] { return Requests(0x56) == 1; }));
}

TEST_F(BatchTest, TenThousandRecordsSurviveTwentyPercentLostRequests) {
  sim_.SetFaults(MakeFaults([](axissim::Faults& f) { f.lose_request = 0.2; f.seed = 11; }));
  const auto records = PathOf(10000);
  Stream(records);
  ExpectArrivedInOrder(records);
}

TEST_F(BatchTest, TenThousandRecordsSurviveTwentyPercentLostReplies) {
  sim_.SetFaults(MakeFaults([](axissim::Faults& f) { f.drop_reply = 0.2; f.seed = 12; }));
  const auto records = PathOf(10000);
  Stream(records);
  ExpectArrivedInOrder(records);
  EXPECT_GT(sim_.StateCopy().repeats_recognised, 0u);
}

TEST_F(BatchTest, RecordsSurviveCorruptedAndDuplicatedReplies) {
  sim_.SetFaults(MakeFaults([](axissim::Faults& f) { f.corrupt_reply = 0.2; f.duplicate_reply = 0.2; f.seed = 13; }));
  const auto records = PathOf(2000);
  Stream(records);
  ExpectArrivedInOrder(records);
}

TEST_F(BatchTest, TheFillBufferRefusesThe42ndRecordUntilTheWorkerTakesIt) {
  BatchCmdClr();
  for (int i = 0; i < 41; ++i) ASSERT_EQ(BatchCmdAdd(i, 0, 0, 1000, 0), 0);
  EXPECT_EQ(BatchCmdAdd(41, 0, 0, 1000, 0), 1);
  ASSERT_EQ(BatchBegin(0, 0, 0), 0);
  EXPECT_TRUE(Eventually([] { return BatchCmdAdd(41, 0, 0, 1000, 0) == 0; }));
  SetBufOk();
  ASSERT_TRUE(MachineStill(0b11));
  EXPECT_EQ(BatchEnd(), 0);
  EXPECT_EQ(sim_.RecordsTaken().size(), 42u);
}

TEST_F(BatchTest, CallsThatMustNotRunDuringABatchRefuseWithoutTraffic) {
  EXPECT_EQ(BatchEnd(), 10000);
  ASSERT_EQ(BatchSetting(1000, 50000, 1600), 0);
  ASSERT_EQ(BatchBegin(5, 6, 7), 0);
  EXPECT_EQ(GetBatchMode(), 1);
  EXPECT_EQ(BatchBegin(8, 9, 10), 0);  // ignored
  EXPECT_EQ(BatchSetting(1, 2, 3), 10000);
  SetLayoutMode(0);
  EXPECT_EQ(GetLayoutMode(), 1);
  const uint32_t moves = Requests(0x10), stops = Requests(0x11) + Requests(0x12), connects = Requests(0x01);
  EXPECT_EQ(Pmove(1, 100, 1, 1, 1), -1);
  EXPECT_EQ(dec_stop(1), -1);
  EXPECT_EQ(sudden_stop(1), -1);
  EXPECT_EQ(SetPosDev(1, 0), -1);
  EXPECT_EQ(SynAxisConfig(1, 2, 3, 4), -1);
  EXPECT_EQ(LinkConnect(), -1);
  EXPECT_EQ(LinkDisConnect(), -1);
  EXPECT_EQ(OpenPort("127.0.0.1", 1), -1);
  ClosePort();  // refused as well: the port stays open
  EXPECT_EQ(Requests(0x10), moves);
  EXPECT_EQ(Requests(0x11) + Requests(0x12), stops);
  EXPECT_EQ(Requests(0x01), connects);
  EXPECT_EQ(Requests(0x80), 0u);
  int32_t p[4];
  EXPECT_EQ(GetPosDev(&p[0], &p[1], &p[2], &p[3]), 0);  // getters share the link with the worker

  EXPECT_EQ(BatchEnd(), 0);
  EXPECT_EQ(GetBatchMode(), 0);
  ASSERT_EQ(BatchBegin(0, 0, 0), 0);
  ASSERT_EQ(BatchEnd(), 0);
  const ControllerState s = sim_.StateCopy();
  EXPECT_EQ(s.batch_begin, (std::array<int32_t, 3>{0, 0, 0}));
  EXPECT_EQ(s.batch_settings[0], 1000);  // the refused settings never replaced the old ones
  EXPECT_EQ(s.batch_settings[4], 1600);
}

TEST_F(BatchTest, PointsOfLayoutModeZeroArriveAsTrapezoidSegments) {
  SetLayoutMode(0);
  BatchCmdClr();
  ASSERT_EQ(BatchSetting(2000, 80000, 1600), 0);
  ASSERT_EQ(BatchBegin(100, 200, 0), 0);
  Position3 at{100, 200, 0};
  std::vector<BatchSegment> expected;
  for (int i = 1; i <= 120; ++i) {
    const QueuedPoint point{100 + i * 40, 200 + (i % 7) * 90, 0, 30000 + i, i};
    ExpandTrapezoid(point, {2000, 80000}, at, expected);
    AddUntilTaken(point.x, point.y, point.z, point.speed, point.auxiliary);
  }
  SetBufOk();
  ASSERT_TRUE(Eventually([&] {
    return sim_.With([](Machine&, ControllerState& s) { return s.segments_taken.size(); }) >= expected.size();
  }));
  EXPECT_EQ(BatchEnd(), 0);
  EXPECT_EQ(sim_.StateCopy().segments_taken, expected);
}

class HeldRecordsTest : public SimTest {
 protected:
  static axissim::SimConfig NoRoom() {
    axissim::SimConfig c = FastSim();
    c.batch_capacity = 0;
    return c;
  }
  HeldRecordsTest() : SimTest(NoRoom()) {}
};

TEST_F(HeldRecordsTest, GetMotionStatusSaysSevenWhileTheLibraryStillHoldsRecords) {
  SetLayoutMode(1);
  BatchCmdClr();
  ASSERT_EQ(BatchBegin(0, 0, 0), 0);
  ASSERT_EQ(BatchCmdAdd(10, 10, 0, 1000, 0), 0);
  SetBufOk();
  ASSERT_TRUE(Eventually([this] { return Requests(0x42) > 2; }));  // the controller keeps taking none
  const uint32_t asked = Requests(0x31);
  int32_t status = 0;
  ASSERT_EQ(GetMotionStatus(&status), 0);
  EXPECT_EQ(status, 7);
  EXPECT_EQ(Requests(0x31), asked);
  EXPECT_EQ(BatchEnd(), 0);
  ASSERT_EQ(GetMotionStatus(&status), 0);  // no batch: the controller answers
  EXPECT_EQ(status, 0);
  EXPECT_EQ(Requests(0x31), asked + 1);
}

}  // namespace
}  // namespace kw::axisnet::testing
