// Faults the simulated controller can be told to make, for tests of the link's
// time-outs and resends. Shares are probabilities from 0 to 1.
#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <random>

namespace kw::axissim {

struct Faults {
  bool silent = false;            // answer nothing at all
  // A silent stretch of wall-clock time: requests arriving in [from, until)
  // are lost, and the controller answers again afterwards.
  std::chrono::steady_clock::time_point silent_from{}, silent_until{};
  double corrupt_request = 0;     // requests that arrive with a byte changed (not carried out)
  double lose_request = 0;        // requests that never arrive (not carried out)
  double refuse = 0;              // requests refused (not carried out)
  int8_t refuse_status = 1;       // the status byte of a refusal
  double wrong_command = 0;       // replies naming another command (not carried out)
  double drop_reply = 0;          // carried out, but the reply is lost
  double corrupt_reply = 0;       // carried out, the reply's checksum is broken
  double duplicate_reply = 0;     // carried out, the reply arrives twice
  double delay_reply = 0;         // carried out, the reply arrives late
  std::chrono::milliseconds delay{0};
  std::map<uint8_t, int> reply_length;  // command -> data length to answer with instead
  uint32_t seed = 12345;
};

// What happens to one request.
struct FaultPlan {
  bool silenced = false;  // lost to the silent stretch (lose_request is set too)
  bool corrupt_request = false;
  bool lose_request = false;
  bool refuse = false;
  bool wrong_command = false;
  bool drop_reply = false;
  bool corrupt_reply = false;
  bool duplicate_reply = false;
  bool delay_reply = false;
};

// How many requests each fault has met since the faults were last set.
struct FaultCounts {
  uint32_t silenced = 0, corrupt_request = 0, lose_request = 0, refuse = 0, wrong_command = 0;
  uint32_t drop_reply = 0, corrupt_reply = 0, duplicate_reply = 0, delay_reply = 0;
};

class FaultInjector {
 public:
  void Set(const Faults& faults);
  const Faults& Current() const { return faults_; }
  // The plan for a request arriving at `now`.
  FaultPlan Plan(std::chrono::steady_clock::time_point now = std::chrono::steady_clock::now());
  const FaultCounts& Counts() const { return counts_; }

 private:
  bool Roll(double share);
  void Count(const FaultPlan& plan);

  Faults faults_;
  FaultCounts counts_;
  std::mt19937 random_{12345};
};

}  // namespace kw::axissim
