// The controller link library as this program sees it: one method per library
// function, so the wrapper and the run can be driven by a stand-in in tests.
#pragma once

#include <stdexcept>
#include <string>

#include "machine/axisnet_functions.h"

namespace kw {

// The library file or one of its entry points could not be found; raised by
// the first call of that function.
class AxisnetMissing : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class AxisnetApi {
 public:
  virtual ~AxisnetApi() = default;

#define KW_AXISNET_DECLARE(result, name, params, args) virtual result name params = 0;
  KW_AXISNET_FUNCTIONS(KW_AXISNET_DECLARE)
#undef KW_AXISNET_DECLARE
};

}  // namespace kw
