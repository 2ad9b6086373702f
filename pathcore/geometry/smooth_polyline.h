// Smoothing of a drawn polyline: the runs between its corners are replaced by
// B-spline curves, the corners themselves stay sharp.
#pragma once

#include <cstdint>
#include <vector>

namespace kw::pathcore {

// Input points sit at indices 1..n-1 of X and Y (n is the point count plus one,
// as the document hands its paths over; n is clipped to the arrays). The result
// sits at indices 1..outCount of outX and outY, which are resized to
// outCount + 1; outCount is 0 when fewer than two distinct points remain.
// order is the spline order of the curves.
void SmoothPolyline(const std::vector<float>& X, const std::vector<float>& Y, int32_t n, int32_t order,
                    std::vector<float>& outX, std::vector<float>& outY, int32_t& outCount);

}  // namespace kw::pathcore
