// How a Carvecalc method tells its caller that it failed. The codes are the
// classic BASIC run-time error numbers, so callers that already know them can
// keep their handling.
#pragma once

#include <cstdint>
#include <string>

namespace kw::carvecalc {

enum class CarveError : int32_t {
  None = 0,
  InvalidCall = 5,           // an argument outside the method's domain
  Overflow = 6,              // a result too large, not finite, or out of an integer's range
  OutOfMemory = 7,           // an output would grow beyond the library's limits
  SubscriptOutOfRange = 9,   // an index outside an array
  DivisionByZero = 11,
  FileNotFound = 53,         // a file to read cannot be opened
  FileAccess = 75,           // a file to write cannot be written
};

// The outcome of the last method call.
struct CarveStatus {
  CarveError code = CarveError::None;
  std::string method;       // the method that failed
  std::string description;  // readable reason
  bool Ok() const { return code == CarveError::None; }
};

}  // namespace kw::carvecalc
