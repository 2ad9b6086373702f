#include "machine/run_state.h"

#include "machine/language_files.h"

namespace kw {

void ShowRunMessage(RunHost& host, RunState& state, const std::string& key) {
  state.messageKeys.push_back(key);
  host.ShowMessage(key, MessageText(key));
}

}  // namespace kw
