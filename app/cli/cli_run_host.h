// The command line as the run's host: messages and progress on stderr, and
// Ctrl-C as the stop (or Cancel) button.
#pragma once

#include <chrono>

#include "machine/run_host.h"

namespace kw::cli {

class CliRunHost : public kw::RunHost {
 public:
  CliRunHost();   // installs the Ctrl-C handler
  ~CliRunHost();  // and puts the previous one back

  void ShowMessage(const std::string& key, const std::string& text) override;
  // Gives the other threads (the link's batch worker, an in-process
  // simulator) the processor between the engine's status polls.
  void ProcessEvents() override;
  bool StopRequested() override;
  void Progress(const kw::RunProgress& progress) override;
  void FinishProgress();

 private:
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
  bool terminal_ = false;
  int lastTenth_ = -1;  // plain progress lines are written per tenth of the job
  bool drawn_ = false;
};

}  // namespace kw::cli
