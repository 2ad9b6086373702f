#include "soak_plan.h"

namespace kw::soak {
namespace {

using std::chrono::milliseconds;

double Uniform(std::mt19937& random, double low, double high) {
  return std::uniform_real_distribution<double>(low, high)(random);
}

int Between(std::mt19937& random, int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

bool Chance(std::mt19937& random, double share) { return Uniform(random, 0, 1) < share; }

// A polyline inside the machine's travel on the side the job runs on (X
// negative, Y positive from the origin).
PlannedPath RandomPath(std::mt19937& random) {
  PlannedPath path;
  path.layer = static_cast<int16_t>(Between(random, 0, 2));
  const int points = Between(random, 2, 10);
  path.x.push_back(0);
  path.y.push_back(0);
  for (int i = 0; i < points; ++i) {
    path.x.push_back(static_cast<float>(-Uniform(random, 5, 60)));
    path.y.push_back(static_cast<float>(Uniform(random, 5, 60)));
  }
  return path;
}

axissim::Faults RandomShares(std::mt19937& random) {
  axissim::Faults f;
  const double most = Chance(random, 0.2) ? 0 : 0.04;  // some jobs run clean
  f.lose_request = Uniform(random, 0, most);
  f.corrupt_request = Uniform(random, 0, most);
  f.refuse = Uniform(random, 0, most);
  f.wrong_command = Uniform(random, 0, most);
  f.drop_reply = Uniform(random, 0, most);
  f.corrupt_reply = Uniform(random, 0, most);
  f.duplicate_reply = Uniform(random, 0, most);
  f.delay_reply = Uniform(random, 0, most);
  f.delay = milliseconds(Between(random, 1, 120));  // late replies, some past the time-out
  f.seed = static_cast<uint32_t>(random());
  return f;
}

}  // namespace

JobPlan PlanJob(std::mt19937& random) {
  JobPlan plan;
  const int paths = Between(random, 1, 6);
  for (int i = 0; i < paths; ++i) plan.paths.push_back(RandomPath(random));
  plan.faults = RandomShares(random);
  if (Chance(random, 0.25)) {
    plan.silenceAfter = milliseconds(Between(random, 0, 400));
    // Mostly a stretch the link rides out, sometimes one it gives up on.
    plan.silenceLength = milliseconds(Chance(random, 0.8) ? Between(random, 300, 2500) : Between(random, 3500, 5000));
  }
  if (Chance(random, 0.3)) plan.stopAfter = milliseconds(Between(random, 0, 600));
  return plan;
}

}  // namespace kw::soak
