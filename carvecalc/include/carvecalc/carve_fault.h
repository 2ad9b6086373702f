// The exception that carries a fault from deep inside a computation up to the
// public method, which turns it into a CarveStatus; it never leaves the library.
#pragma once

#include <stdexcept>
#include <string>

#include "carvecalc/carve_status.h"

namespace kw::carvecalc {

class CarveFault : public std::runtime_error {
 public:
  CarveFault(CarveError code, const std::string& what) : std::runtime_error(what), code_(code) {}
  CarveError Code() const { return code_; }

 private:
  CarveError code_;
};

}  // namespace kw::carvecalc
