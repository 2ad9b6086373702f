// Arithmetic that reports its faults instead of producing infinities, NaNs or
// undefined integer conversions, so a method can end with an error the way
// the interface promises.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "carvecalc/carve_fault.h"

namespace kw::carvecalc {

inline constexpr double kHalfPi = 1.570796326794895;  // the program's pi/2
inline constexpr double kPi = 3.14159265358979;        // the program's pi
inline constexpr double kTwoPi = 6.28318530717958;     // a full turn as the figures compare it

// a / b, failing on a zero divisor and on a result that is not finite.
inline double Div(double a, double b) {
  if (b == 0.0) throw CarveFault(CarveError::DivisionByZero, "division by zero");
  const double q = a / b;
  if (!std::isfinite(q)) throw CarveFault(CarveError::Overflow, "overflow");
  return q;
}

// v itself when it is finite; an overflow fault otherwise.
inline double Finite(double v) {
  if (!std::isfinite(v)) throw CarveFault(CarveError::Overflow, "overflow");
  return v;
}

// Conversion to the nearest 32-bit integer, halves to even; out of range or
// not finite is an overflow.
inline int32_t ToInt32(double v) {
  if (!std::isfinite(v) || v < -2147483648.0 || v > 2147483647.0)
    throw CarveFault(CarveError::Overflow, "overflow");
  return static_cast<int32_t>(std::nearbyint(v));
}

// The element at index i, or a subscript fault.
template <typename T>
T& At(std::vector<T>& array, int64_t i) {
  if (i < 0 || static_cast<uint64_t>(i) >= array.size())
    throw CarveFault(CarveError::SubscriptOutOfRange, "subscript out of range");
  return array[static_cast<size_t>(i)];
}

}  // namespace kw::carvecalc
