// Benchmark sizes: the full size for measuring, or a tiny one when
// KW_BENCH_SMOKE is set (to anything but 0), as in the test suite's smoke run,
// which only shows that every benchmark still runs.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace kw::bench {

inline bool SmokeRun() {
  const char* value = std::getenv("KW_BENCH_SMOKE");
  return value != nullptr && *value != '\0' && std::string_view(value) != "0";
}

inline int32_t Size(int32_t full, int32_t smoke) { return SmokeRun() ? smoke : full; }

}  // namespace kw::bench
