#include "document/grid_polygon.h"

namespace kw::pathcore {
namespace {

// Twice the signed area of (a, b, p): positive when p lies left of a -> b.
int64_t Side(int64_t ax, int64_t ay, int64_t bx, int64_t by, int64_t px, int64_t py) {
  return (bx - ax) * (py - ay) - (px - ax) * (by - ay);
}

}  // namespace

bool InsideByWinding(std::span<const int32_t> xs, std::span<const int32_t> ys, int32_t px, int32_t py) {
  const size_t n = xs.size() < ys.size() ? xs.size() : ys.size();
  if (n < 3) return false;
  int64_t winding = 0;
  for (size_t i = 0; i < n; ++i) {
    const size_t j = i + 1 == n ? 0 : i + 1;
    const int64_t ay = ys[i], by = ys[j];
    if (ay <= py) {
      if (by > py && Side(xs[i], ay, xs[j], by, px, py) > 0) ++winding;
    } else if (by <= py && Side(xs[i], ay, xs[j], by, px, py) < 0) {
      --winding;
    }
  }
  return winding != 0;
}

}  // namespace kw::pathcore
