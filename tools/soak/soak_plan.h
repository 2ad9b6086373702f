// What a soak job is made of: its drawing and the trouble it meets, drawn
// from a seeded random source.
#pragma once

#include <chrono>
#include <random>
#include <vector>

#include "axissim/fault_injector.h"

namespace kw::soak {

struct PlannedPath {
  std::vector<float> x, y;  // mm, from index 1 as the document takes them
  int16_t layer = 0;        // 0 pen, 1 knife, 2 half-cut
};

struct JobPlan {
  std::vector<PlannedPath> paths;
  axissim::Faults faults;  // shares; the silent stretch is relative to the job's start
  std::chrono::milliseconds silenceAfter{0}, silenceLength{0};
  std::chrono::milliseconds stopAfter{-1};  // negative: no stop
};

JobPlan PlanJob(std::mt19937& random);

}  // namespace kw::soak
