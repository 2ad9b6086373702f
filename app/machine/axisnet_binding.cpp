#include "machine/axisnet_binding.h"

#include <dlfcn.h>

#include "pathcore/app_path.h"

namespace kw {
namespace {

std::string LastLoaderError() {
  const char* text = dlerror();
  return text ? text : "unknown error";
}

}  // namespace

AxisnetLibrary::AxisnetLibrary(std::string fileName) : fileName_(std::move(fileName)) {}

AxisnetLibrary::~AxisnetLibrary() {
  if (handle_) dlclose(handle_);
}

void* AxisnetLibrary::Library() {
  if (handle_) return handle_;
  const auto beside = kw::pathcore::AppPath() / fileName_;
  std::error_code ec;
  if (std::filesystem::exists(beside, ec)) {
    handle_ = dlopen(beside.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) throw AxisnetMissing("cannot load " + beside.string() + ": " + LastLoaderError());
    return handle_;
  }
  handle_ = dlopen(fileName_.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle_) {
    throw AxisnetMissing("controller library " + fileName_ + " not found in " +
                         beside.parent_path().string() + " nor on the library path: " + LastLoaderError());
  }
  return handle_;
}

void* AxisnetLibrary::Bound(Slot slot, const char* name) {
  std::lock_guard lock(mutex_);
  if (entries_[slot]) return entries_[slot];
  void* library = Library();
  dlerror();  // forget any earlier message
  void* entry = dlsym(library, name);
  if (!entry) throw AxisnetMissing("controller library " + fileName_ + " has no function " + name);
  entries_[slot] = entry;
  return entry;
}

bool AxisnetLibrary::SetTraceSink(void (*sink)(const char*, void*), void* context) {
  std::lock_guard lock(mutex_);
  dlerror();
  void* entry = dlsym(Library(), "AxisnetSetTraceSink");
  if (!entry) return false;
  reinterpret_cast<void (*)(void (*)(const char*, void*), void*)>(entry)(sink, context);
  return true;
}

#define KW_AXISNET_DEFINE(result, name, params, args)                      \
  result AxisnetLibrary::name params {                                    \
    using Function = result(*) params;                                    \
    return reinterpret_cast<Function>(Bound(k_##name, #name)) args;       \
  }
KW_AXISNET_FUNCTIONS(KW_AXISNET_DEFINE)
#undef KW_AXISNET_DEFINE

namespace {

AxisnetLibrary& ProcessLibrary() {
  // Never unloaded: a batch worker of the library may still run while the
  // process ends.
  static auto* library = new AxisnetLibrary;
  return *library;
}

void DropTraceLine(const char*, void*) {}

}  // namespace

AxisnetApi& Axisnet() { return ProcessLibrary(); }

bool QuietAxisnetTrace() {
  try {
    return ProcessLibrary().SetTraceSink(DropTraceLine, nullptr);
  } catch (const AxisnetMissing&) {
    return false;
  }
}

}  // namespace kw
