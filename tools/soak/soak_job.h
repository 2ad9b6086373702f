// One job of the soak: a random drawing run on a fresh simulated controller
// with random faults, then the machine checked.
#pragma once

#include <cstdint>
#include <string>

#include "axissim/fault_injector.h"
#include "machine/axisnet_api.h"

namespace kw::soak {

enum class Outcome { Completed, Stopped, LinkGivenUp, NotStarted, Threw };

struct SoakOptions {
  double speedup = 200;           // simulated seconds per real second
  unsigned replyTimeoutMs = 50;   // the link's reply time-out during the run
  short resends = 60;             // and its resends: about 3 s of silence ridden out
};

struct JobReport {
  Outcome outcome = Outcome::NotStarted;
  axissim::FaultCounts faults;
  bool silence = false;      // a silent stretch was planned
  bool stopPlanned = false;  // the stop button was to go down
  bool toolUp = false, atOrigin = false, cutMatches = false;
  std::string problem;  // what the first failed check saw
  int32_t paths = 0;
};

// Runs job number `index` of the soak seeded with `seed`; the same pair gives
// the same drawing, faults, silence and stop time.
JobReport RunSoakJob(AxisnetApi& library, const SoakOptions& options, uint32_t seed, int index);

}  // namespace kw::soak
