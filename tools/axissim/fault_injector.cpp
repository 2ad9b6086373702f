#include "axissim/fault_injector.h"

namespace kw::axissim {

void FaultInjector::Set(const Faults& faults) {
  faults_ = faults;
  random_.seed(faults.seed);
}

bool FaultInjector::Roll(double share) {
  if (share <= 0) return false;
  return std::uniform_real_distribution<double>(0.0, 1.0)(random_) < share;
}

FaultPlan FaultInjector::Plan() {
  FaultPlan plan;
  plan.lose_request = faults_.silent || Roll(faults_.lose_request);
  if (plan.lose_request) return plan;
  plan.refuse = Roll(faults_.refuse);
  plan.wrong_command = !plan.refuse && Roll(faults_.wrong_command);
  plan.drop_reply = Roll(faults_.drop_reply);
  plan.corrupt_reply = !plan.drop_reply && Roll(faults_.corrupt_reply);
  plan.duplicate_reply = Roll(faults_.duplicate_reply);
  plan.delay_reply = Roll(faults_.delay_reply);
  return plan;
}

}  // namespace kw::axissim
