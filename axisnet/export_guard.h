// Helpers shared by the exported functions: the C boundary that no exception
// crosses, and the common shapes of a command.
#pragma once

#include <cstdint>
#include <exception>
#include <span>
#include <string>

#include "library_state.h"
#include "trace.h"

namespace kw::axisnet {

template <typename Result, typename Body>
Result Guarded(Result fallback, Body&& body) noexcept {
  try {
    return body();
  } catch (const std::exception& e) {
    TraceFailure(e.what());
  } catch (...) {
  }
  return fallback;
}

template <typename Body>
void GuardedVoid(Body&& body) noexcept {
  Guarded(0, [&] {
    body();
    return 0;
  });
}

inline int32_t StatusOf(const Transaction& t) { return t.Ok() ? 0 : -1; }

inline bool BatchRunning() { return State().batch_running != 0; }

inline bool ValidAxis(int16_t axis) { return axis >= 1 && axis <= 4; }

// A command whose reply is not used, made under the link lock.
inline int32_t SendCommand(uint8_t command, std::span<const uint8_t> data = {}) {
  return StatusOf(LockedTransact(command, data));
}

}  // namespace kw::axisnet
