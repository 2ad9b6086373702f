// The state one run shares between its steps, its path handler and the
// controls a host offers while it runs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "machine/run_host.h"

namespace kw {

enum ToolDown : int16_t { kNoToolDown = 0, kPenDown = 1, kKnifeDown = 2, kHalfCutDown = 3 };

struct RunState {
  int16_t stopFlag = 0;              // -1 once the stop was seen
  int16_t toolDown = kNoToolDown;    // which tool is lowered right now
  bool communicationFailed = false;  // a controller call inside a path failed
  int32_t pathsSkipped = 0;          // paths that produced no motion
  int32_t firstPath = 1;             // paths numbered below it are passed over
  int32_t pathNumber = 0;            // 1-based number of the last path that moves, 0 before the first
  int32_t stoppedAtPath = 0;         // the path a stop or a failure left unfinished, 0 for none
  int16_t stoppedAtLayer = 0;        // its layer argument
  RunProgress progress;
  std::vector<std::string> messageKeys;  // every message shown, in order
};

// Shows message key of section "MSGBOX" through the host and notes it.
void ShowRunMessage(RunHost& host, RunState& state, const std::string& key);

}  // namespace kw
