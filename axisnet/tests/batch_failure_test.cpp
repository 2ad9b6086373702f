// A batch whose worker fails, or cannot even be started, must end: the host
// sees the batch over and an error, never a batch that seems to run for ever.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "sim_fixture.h"
#include "thread_refusal.h"

namespace kw::axisnet::testing {
namespace {

// A trace sink that throws when the batch worker reports a resend: it stands
// for any exception inside the worker. Lines from the test's own thread and
// the worker's report of the failure are only collected.
class ThrowingInWorkerSink {
 public:
  ThrowingInWorkerSink() { AxisnetSetTraceSink(&ThrowingInWorkerSink::Sink, this); }
  ~ThrowingInWorkerSink() { AxisnetSetTraceSink(nullptr, nullptr); }
  ThrowingInWorkerSink(const ThrowingInWorkerSink&) = delete;
  ThrowingInWorkerSink& operator=(const ThrowingInWorkerSink&) = delete;

  bool SawLineStartingWith(const std::string& start) {
    std::lock_guard guard(lock_);
    for (const std::string& line : lines_)
      if (line.rfind(start, 0) == 0) return true;
    return false;
  }

 private:
  static void Sink(const char* line, void* context) {
    auto* me = static_cast<ThrowingInWorkerSink*>(context);
    {
      std::lock_guard guard(me->lock_);
      me->lines_.emplace_back(line);
    }
    if (std::this_thread::get_id() != me->test_thread_ && std::string(line) == "错误重发")
      throw std::runtime_error("trace sink failed");
  }

  const std::thread::id test_thread_ = std::this_thread::get_id();
  std::mutex lock_;
  std::vector<std::string> lines_;
};

class BatchFailureTest : public SimTest {};

TEST_F(BatchFailureTest, AnExceptionInsideTheWorkerEndsTheBatchAsFailed) {
  ThrowingInWorkerSink sink;
  SetReSend(1);
  sim_.SetFaults(MakeFaults([](axissim::Faults& f) { f.refuse = 1.0; }));
  ASSERT_EQ(BatchBegin(0, 0, 0), 0);
  ASSERT_TRUE(Eventually([] { return GetBatchMode() == 0; }));
  EXPECT_TRUE(sink.SawLineStartingWith("internal error: trace sink failed"));
  EXPECT_EQ(BatchCmdAdd(10, 10, 0, 1000, 0), -1);  // not "full, try again", which the host would repeat for ever
  EXPECT_EQ(BatchEnd(), -1);
  EXPECT_EQ(BatchEnd(), 10000);  // the failure is reported once

  sim_.SetFaults({});
  BatchCmdClr();
  ASSERT_EQ(BatchBegin(0, 0, 0), 0);
  EXPECT_EQ(BatchCmdAdd(10, 10, 0, 1000, 0), 0);
  SetBufOk();
  ASSERT_TRUE(MachineStill(0b11));
  EXPECT_EQ(BatchEnd(), 0);
  EXPECT_EQ(sim_.RecordsTaken().size(), 1u);
}

// Runs in a child process, which alone loses the ability to create threads.
TEST(BatchWorkerStart, AWorkerThatCannotBeCreatedLeavesNoBatchRunning) {
  GTEST_FLAG_SET(death_test_style, "fast");
  EXPECT_EXIT(
      {
        ClosePort();  // BatchBegin's own frame then fails at once
        if (!RefuseThreadCreation()) {
          std::fputs("thread creation could not be refused\n", stderr);
          std::_Exit(2);
        }
        const int32_t begun = BatchBegin(0, 0, 0);
        const int16_t mode = GetBatchMode();
        const int32_t ended = BatchEnd();
        std::fprintf(stderr, "BatchBegin %d, GetBatchMode %d, BatchEnd %d\n", begun, mode, ended);
        std::_Exit(begun == -1 && mode == 0 && ended == 10000 ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace kw::axisnet::testing
