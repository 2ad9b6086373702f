// Conversion of floating-point values to integers the way the document's
// integer grids, machine pulses and pixel mappings need it: to the nearest
// integer, halves to the even neighbour (0.5 -> 0, 1.5 -> 2, -2.5 -> -2).
#pragma once

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace kw {

// Values outside the target range saturate and NaN gives 0, so a corrupt input
// never turns into undefined behaviour.
template <typename Int>
constexpr Int RoundHalfEven(double v) {
  static_assert(std::numeric_limits<Int>::is_integer);
  if (std::isnan(v)) return 0;
  const double r = std::nearbyint(v);  // default rounding mode: to nearest, ties to even
  constexpr double lo = static_cast<double>(std::numeric_limits<Int>::min());
  constexpr double hi = static_cast<double>(std::numeric_limits<Int>::max());
  if (r <= lo) return std::numeric_limits<Int>::min();
  if (r >= hi) return std::numeric_limits<Int>::max();
  return static_cast<Int>(r);
}

inline int16_t N16(double v) { return RoundHalfEven<int16_t>(v); }
inline int32_t N32(double v) { return RoundHalfEven<int32_t>(v); }
inline int64_t N64(double v) { return RoundHalfEven<int64_t>(v); }
// The 32-bit form is the one most formulas use.
inline int32_t N(double v) { return N32(v); }

}  // namespace kw
