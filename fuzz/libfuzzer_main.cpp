// The libFuzzer entry of one fuzz program: KW_FUZZ_TARGET names its function
// and KW_FUZZ_SET_UP, when defined, what runs once before the first input.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_targets.h"

#ifdef KW_FUZZ_SET_UP
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  kw::fuzz::KW_FUZZ_SET_UP();
  return 0;
}
#endif

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  kw::fuzz::KW_FUZZ_TARGET(kw::fuzz::Bytes(data, size));
  return 0;
}
