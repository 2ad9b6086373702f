// The soak's totals over its jobs and the table they are printed as.
#pragma once

#include <array>
#include <cstdint>
#include <iosfwd>

#include "soak_job.h"

namespace kw::soak {

struct CheckCount {
  int passed = 0, failed = 0;
  void Add(bool ok) { ok ? ++passed : ++failed; }
};

class SoakTally {
 public:
  void Add(const JobReport& report);
  int Jobs() const { return jobs_; }
  int FailedChecks() const { return toolUp_.failed + atOrigin_.failed + cut_.failed; }
  void Print(std::ostream& out) const;

 private:
  int jobs_ = 0, silences_ = 0, stops_ = 0;
  axissim::FaultCounts faults_;
  std::array<int, 5> outcomes_{};  // by Outcome
  CheckCount toolUp_, atOrigin_, cut_;
};

}  // namespace kw::soak
