// The controller link library bound at run time: nothing is loaded at start-up;
// the first call of a function loads the library (the program folder first,
// then the system's library search) and looks the function up by name.
#pragma once

#include <array>
#include <filesystem>
#include <mutex>
#include <string>

#include "machine/axisnet_api.h"

namespace kw {

inline constexpr const char* kAxisnetLibraryName = "libaxisnet.so";

class AxisnetLibrary final : public AxisnetApi {
 public:
  explicit AxisnetLibrary(std::string fileName = kAxisnetLibraryName);
  ~AxisnetLibrary() override;
  AxisnetLibrary(const AxisnetLibrary&) = delete;
  AxisnetLibrary& operator=(const AxisnetLibrary&) = delete;

#define KW_AXISNET_OVERRIDE(result, name, params, args) result name params override;
  KW_AXISNET_FUNCTIONS(KW_AXISNET_OVERRIDE)
#undef KW_AXISNET_OVERRIDE

  // Sends the library's trace lines to sink (nullptr: the library's default,
  // stderr). False when the library has no such hook.
  bool SetTraceSink(void (*sink)(const char* line, void* context), void* context);

 private:
  enum Slot {
#define KW_AXISNET_SLOT(result, name, params, args) k_##name,
    KW_AXISNET_FUNCTIONS(KW_AXISNET_SLOT)
#undef KW_AXISNET_SLOT
    kSlotCount
  };

  // The entry point of one function; throws AxisnetMissing.
  void* Bound(Slot slot, const char* name);
  void* Library();

  std::string fileName_;
  std::mutex mutex_;
  void* handle_ = nullptr;
  std::array<void*, kSlotCount> entries_{};
};

// The library of this process.
AxisnetApi& Axisnet();

// The process's library with its trace lines dropped, for front ends that
// show their own progress. False when the library cannot be loaded.
bool QuietAxisnetTrace();

}  // namespace kw
