// A simulated controller on 127.0.0.1 with the library's port open to it,
// short time-outs and the library's trace lines collected.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "axisnet/axisnet.h"
#include "axissim/simulator.h"

namespace kw::axisnet::testing {

class TraceCollector {
 public:
  TraceCollector() { AxisnetSetTraceSink(&TraceCollector::Sink, this); }
  ~TraceCollector() { AxisnetSetTraceSink(nullptr, nullptr); }
  int Count(const std::string& line) {
    std::lock_guard guard(lock_);
    int n = 0;
    for (const std::string& l : lines_) n += l == line ? 1 : 0;
    return n;
  }

 private:
  static void Sink(const char* line, void* self) {
    auto* me = static_cast<TraceCollector*>(self);
    std::lock_guard guard(me->lock_);
    me->lines_.emplace_back(line);
  }
  std::mutex lock_;
  std::vector<std::string> lines_;
};

template <typename Set>
axissim::Faults MakeFaults(Set&& set) {
  axissim::Faults f;
  set(f);
  return f;
}

inline axissim::SimConfig FastSim() {
  axissim::SimConfig c;
  c.speedup = 50;
  return c;
}

class SimTest : public ::testing::Test {
 protected:
  explicit SimTest(const axissim::SimConfig& config = FastSim()) : sim_(config) {}

  void SetUp() override {
    const uint16_t port = sim_.Start(0);
    ASSERT_EQ(OpenPort("127.0.0.1", port), 0);
    SetTimeOut(40);
    SetReSend(16);
    SetErrPack(0);
    SetLayoutMode(1);
  }
  void TearDown() override {
    BatchEnd();
    BatchCmdClr();
    ClosePort();
    sim_.Stop();
  }

  uint32_t Requests(uint8_t command) {
    return sim_.With([&](axissim::Machine&, axissim::ControllerState& s) { return s.requests[command]; });
  }

  // Polls until the predicate holds; the deadline only guards against a hang.
  static bool Eventually(const std::function<bool()>& done, std::chrono::seconds guard = std::chrono::seconds(60)) {
    const auto give_up = std::chrono::steady_clock::now() + guard;
    while (!done()) {
      if (std::chrono::steady_clock::now() > give_up) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
  }

  static bool MachineStill(int32_t mask) {
    return Eventually([mask] {
      int32_t status = -1;
      return GetMotionStatus(&status) == 0 && (status & mask) == 0;
    });
  }

  TraceCollector trace_;
  axissim::Simulator sim_;
};

}  // namespace kw::axisnet::testing
