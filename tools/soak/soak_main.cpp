// The soak of the link and the run: many jobs on the simulated controller with
// random faults, silences and stops, each followed by a look at the machine.
// Exits 1 when any check failed.
#include <CLI/CLI.hpp>
#include <chrono>
#include <iostream>

#include "machine/axisnet_binding.h"
#include "soak_job.h"
#include "soak_tally.h"

namespace {

const char* OutcomeName(kw::soak::Outcome outcome) {
  switch (outcome) {
    case kw::soak::Outcome::Completed: return "completed";
    case kw::soak::Outcome::Stopped: return "stopped";
    case kw::soak::Outcome::LinkGivenUp: return "link given up";
    case kw::soak::Outcome::NotStarted: return "not started";
    case kw::soak::Outcome::Threw: return "error raised";
  }
  return "?";
}

bool AllPassed(const kw::soak::JobReport& r) { return r.toolUp && r.atOrigin && r.cutMatches; }

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Soak of the controller link and the job run on the simulated controller"};
  int jobs = 1000, first = 0;
  uint32_t seed = 1;
  kw::soak::SoakOptions options;
  app.add_option("--jobs", jobs, "how many jobs")->check(CLI::PositiveNumber);
  app.add_option("--seed", seed, "the random seed; the same seed gives the same jobs");
  app.add_option("--first", first, "the number of the first job (to repeat one job)")->check(CLI::NonNegativeNumber);
  app.add_option("--speedup", options.speedup, "simulated seconds per real second")->check(CLI::Range(1.0, 10000.0));
  CLI11_PARSE(app, argc, argv);

  kw::QuietAxisnetTrace();
  kw::AxisnetLibrary library{KW_AXISNET_LIBRARY};
  kw::soak::SoakTally tally;
  const auto started = std::chrono::steady_clock::now();
  for (int i = first; i < first + jobs; ++i) {
    const kw::soak::JobReport report = kw::soak::RunSoakJob(library, options, seed, i);
    tally.Add(report);
    if (!AllPassed(report) || report.outcome == kw::soak::Outcome::Threw)
      std::cout << "job " << i << " (seed " << seed << ", " << OutcomeName(report.outcome) << "): " << report.problem
                << '\n';
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::cout << jobs << " jobs, seed " << seed << ", speed-up " << options.speedup << ", " << seconds << " s\n";
  tally.Print(std::cout);
  return tally.FailedChecks() == 0 ? 0 : 1;
}
