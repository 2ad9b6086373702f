// Point-in-polygon on the integer nesting grid, by the non-zero winding rule.
#pragma once

#include <cstdint>
#include <span>

namespace kw::pathcore {

// True when (px, py) lies inside the closed polygon through the points
// (xs[i], ys[i]) under the non-zero winding rule. Points exactly on an edge
// may count either way.
bool InsideByWinding(std::span<const int32_t> xs, std::span<const int32_t> ys, int32_t px, int32_t py);

}  // namespace kw::pathcore
