#include "axissim/fault_injector.h"

namespace kw::axissim {

void FaultInjector::Set(const Faults& faults) {
  faults_ = faults;
  counts_ = {};
  random_.seed(faults.seed);
}

bool FaultInjector::Roll(double share) {
  if (share <= 0) return false;
  return std::uniform_real_distribution<double>(0.0, 1.0)(random_) < share;
}

FaultPlan FaultInjector::Plan(std::chrono::steady_clock::time_point now) {
  FaultPlan plan;
  plan.silenced = now >= faults_.silent_from && now < faults_.silent_until;
  plan.corrupt_request = !plan.silenced && Roll(faults_.corrupt_request);
  plan.lose_request = faults_.silent || plan.silenced || Roll(faults_.lose_request);
  if (!plan.lose_request && !plan.corrupt_request) {
    plan.refuse = Roll(faults_.refuse);
    plan.wrong_command = !plan.refuse && Roll(faults_.wrong_command);
    plan.drop_reply = Roll(faults_.drop_reply);
    plan.corrupt_reply = !plan.drop_reply && Roll(faults_.corrupt_reply);
    plan.duplicate_reply = Roll(faults_.duplicate_reply);
    plan.delay_reply = Roll(faults_.delay_reply);
  }
  Count(plan);
  return plan;
}

void FaultInjector::Count(const FaultPlan& plan) {
  counts_.silenced += plan.silenced;
  counts_.corrupt_request += plan.corrupt_request;
  counts_.lose_request += plan.lose_request && !plan.silenced && !faults_.silent;
  counts_.refuse += plan.refuse;
  counts_.wrong_command += plan.wrong_command;
  counts_.drop_reply += plan.drop_reply;
  counts_.corrupt_reply += plan.corrupt_reply;
  counts_.duplicate_reply += plan.duplicate_reply;
  counts_.delay_reply += plan.delay_reply;
}

}  // namespace kw::axissim
