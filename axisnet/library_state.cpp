#include "library_state.h"

namespace kw::axisnet {
namespace {

// Constructed when the shared library is loaded and destroyed when it is unloaded.
LibraryState g_state;

}  // namespace

LibraryState::~LibraryState() {
  stop_request = true;
  if (worker.joinable()) worker.join();
}

LibraryState& State() { return g_state; }

Transaction LockedTransact(uint8_t command, std::span<const uint8_t> data) {
  std::lock_guard guard(g_state.link_lock);
  return g_state.link.Transact(command, data);
}

}  // namespace kw::axisnet
