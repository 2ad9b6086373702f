#include "soak_tally.h"

#include <iomanip>
#include <ostream>

namespace kw::soak {
namespace {

void Row(std::ostream& out, const char* what, long long count) {
  out << "  " << std::left << std::setw(34) << what << std::right << std::setw(9) << count << '\n';
}

void CheckRow(std::ostream& out, const char* what, const CheckCount& c) {
  out << "  " << std::left << std::setw(34) << what << std::right << std::setw(9) << c.passed << std::setw(9)
      << c.failed << '\n';
}

void AddCounts(axissim::FaultCounts& total, const axissim::FaultCounts& job) {
  total.silenced += job.silenced;
  total.corrupt_request += job.corrupt_request;
  total.lose_request += job.lose_request;
  total.refuse += job.refuse;
  total.wrong_command += job.wrong_command;
  total.drop_reply += job.drop_reply;
  total.corrupt_reply += job.corrupt_reply;
  total.duplicate_reply += job.duplicate_reply;
  total.delay_reply += job.delay_reply;
}

}  // namespace

void SoakTally::Add(const JobReport& report) {
  ++jobs_;
  silences_ += report.silence;
  stops_ += report.stopPlanned;
  AddCounts(faults_, report.faults);
  ++outcomes_.at(static_cast<size_t>(report.outcome));
  toolUp_.Add(report.toolUp);
  atOrigin_.Add(report.atOrigin);
  cut_.Add(report.cutMatches);
}

void SoakTally::Print(std::ostream& out) const {
  out << "faults injected                         count\n";
  Row(out, "requests lost", faults_.lose_request);
  Row(out, "requests corrupted", faults_.corrupt_request);
  Row(out, "requests refused", faults_.refuse);
  Row(out, "replies naming another command", faults_.wrong_command);
  Row(out, "replies lost (carried out)", faults_.drop_reply);
  Row(out, "replies corrupted (carried out)", faults_.corrupt_reply);
  Row(out, "replies duplicated", faults_.duplicate_reply);
  Row(out, "replies delayed", faults_.delay_reply);
  Row(out, "requests lost to silence", faults_.silenced);
  Row(out, "silent stretches", silences_);
  Row(out, "stop button pressed", stops_);
  out << "outcomes                                 jobs\n";
  Row(out, "completed", outcomes_[static_cast<size_t>(Outcome::Completed)]);
  Row(out, "stopped", outcomes_[static_cast<size_t>(Outcome::Stopped)]);
  Row(out, "link given up", outcomes_[static_cast<size_t>(Outcome::LinkGivenUp)]);
  Row(out, "not started", outcomes_[static_cast<size_t>(Outcome::NotStarted)]);
  Row(out, "error raised", outcomes_[static_cast<size_t>(Outcome::Threw)]);
  out << "checks after every job                 passed   failed\n";
  CheckRow(out, "tool up", toolUp_);
  CheckRow(out, "head at the origin, still", atOrigin_);
  CheckRow(out, "cut equals the streamed paths", cut_);
}

}  // namespace kw::soak
