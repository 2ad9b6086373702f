// The simulated motion controller: answers the controller's UDP protocol on
// 127.0.0.1 from a thread of its own, runs the machine in simulated time and
// can be inspected and told to misbehave.
#pragma once

#include <netinet/in.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "axissim/command_handler.h"
#include "axissim/controller_state.h"
#include "axissim/fault_injector.h"
#include "axissim/machine.h"
#include "axissim/sim_config.h"

namespace kw::axissim {

class Simulator {
 public:
  explicit Simulator(const SimConfig& config = {});
  ~Simulator();
  Simulator(const Simulator&) = delete;
  Simulator& operator=(const Simulator&) = delete;

  // Binds 127.0.0.1 (port 0 picks a free one) and starts answering; returns the
  // port. Throws std::runtime_error when the port cannot be bound.
  uint16_t Start(uint16_t port = 0);
  void Stop();
  uint16_t Port() const { return port_; }

  void SetFaults(const Faults& faults);
  // What the faults did to the requests since they were last set.
  FaultCounts FaultsInjected();
  // Writes one line per datagram in and out; an empty path stops the trace.
  void SetTraceFile(const std::string& path);

  // Runs inspect(machine, state) under the simulator's lock, with the machine
  // brought up to the current simulated time first.
  template <typename Inspect>
  auto With(Inspect&& inspect) {
    std::lock_guard guard(lock_);
    machine_.AdvanceTo(SimNow());
    return inspect(machine_, state_);
  }

  ControllerState StateCopy();
  std::vector<axisnet::BatchRecord> RecordsTaken();
  void WriteSvg(const std::string& path);
  void WriteList(const std::string& path);

 private:
  struct DelayedReply {
    std::chrono::steady_clock::time_point due;
    std::vector<uint8_t> bytes;
    sockaddr_in to;
  };

  double SimNow() const;
  void Serve();
  int PollTimeoutMs() const;
  void ReceiveOne();
  void Answer(std::vector<uint8_t> request_bytes, const sockaddr_in& from);
  std::vector<uint8_t> ReplyFor(const axisnet::Request& request, const FaultPlan& plan);
  void SendOut(const std::vector<uint8_t>& bytes, const sockaddr_in& to);
  void SendDueReplies();
  void TraceLine(const char* direction, const std::vector<uint8_t>& bytes, const char* note = "");

  SimConfig config_;
  mutable std::mutex lock_;  // everything below the socket
  Machine machine_;
  ControllerState state_;
  CommandHandler handler_;
  FaultInjector faults_;
  std::vector<DelayedReply> delayed_;
  std::ofstream trace_;

  int fd_ = -1;
  uint16_t port_ = 0;
  std::chrono::steady_clock::time_point started_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

}  // namespace kw::axissim
