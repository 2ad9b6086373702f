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
  bool lose_request = false;
  bool refuse = false;
  bool wrong_command = false;
  bool drop_reply = false;
  bool corrupt_reply = false;
  bool duplicate_reply = false;
  bool delay_reply = false;
};

class FaultInjector {
 public:
  void Set(const Faults& faults);
  const Faults& Current() const { return faults_; }
  FaultPlan Plan();

 private:
  bool Roll(double share);

  Faults faults_;
  std::mt19937 random_{12345};
};

}  // namespace kw::axissim
