// A batch whose worker fails must end: the host sees the batch over and an
// error, never a batch that seems to run for ever.
#include <gtest/gtest.h>

#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "sim_fixture.h"

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

}  // namespace
}  // namespace kw::axisnet::testing
