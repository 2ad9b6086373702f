// What a front end gives the job run, the homing sequence and the offset
// test: somewhere to show messages, a way to keep its interface alive during
// long waits, the state of its stop and pause controls, and a progress display.
#pragma once

#include <cstdint>
#include <string>

namespace kw {

struct RunProgress {
  int32_t pathsDone = 0;   // paths handed to the controller so far
  int32_t pathsTotal = 0;  // paths the document will hand over, the tool layers' lead stroke included
  double cutLength = 0;    // mm streamed with the tool down
};

class RunHost {
 public:
  virtual ~RunHost() = default;

  // A message box: key of section "MSGBOX" and its text in the language in use.
  virtual void ShowMessage(const std::string& key, const std::string& text) { (void)key, (void)text; }
  // Called between controller polls and before each record is streamed, so it
  // must be cheap: the program processes its events, the CLI may just return.
  virtual void ProcessEvents() {}
  // The stop button (the run) or the Cancel button (homing); read after every
  // ProcessEvents, and once seen the engine remembers it until the next run.
  // The host clears its own state before it starts another run.
  virtual bool StopRequested() { return false; }
  // The pause toggle: while it is down the engine's waits hold.
  virtual bool Paused() { return false; }
  virtual void Progress(const RunProgress& progress) { (void)progress; }
};

}  // namespace kw
