#include "trace.h"

#include <cstdio>
#include <mutex>
#include <string>

namespace kw::axisnet {
namespace {

// Both threads of the library trace, so the sink is swapped and used under one
// lock. It is constant-initialised so that the worker's last trace line, written
// while the library unloads, still finds it.
constinit std::mutex g_sink_lock;
TraceSink g_sink = nullptr;
void* g_context = nullptr;

}  // namespace

void Trace(std::string_view line) {
  const std::string text(line);
  std::lock_guard guard(g_sink_lock);
  if (g_sink != nullptr) {
    g_sink(text.c_str(), g_context);
  } else {
    std::fprintf(stderr, "axisnet: %s\n", text.c_str());
  }
}

void TraceFailure(std::string_view what) noexcept {
  try {
    Trace(std::string("internal error: ").append(what));
  } catch (...) {
  }
}

void SetTraceSink(TraceSink sink, void* context) {
  std::lock_guard guard(g_sink_lock);
  g_sink = sink;
  g_context = context;
}

}  // namespace kw::axisnet
