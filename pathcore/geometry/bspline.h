// Clamped uniform B-splines: the curve through which DXF splines and
// smoothed paths are flattened into points.
#pragma once

#include <cstdint>
#include <vector>

namespace kw::pathcore {

// Evaluates the curve of order t over the control points 0..n of X and Y at
// res + 1 evenly spaced parameters: outX/outY are resized to res + 1, with the
// first and last elements equal to control points 0 and n. A negative n or
// res, or control lists shorter than n + 1, give empty outputs.
void BSplineCurve(const std::vector<float>& X, const std::vector<float>& Y, int32_t n, int32_t t,
                  std::vector<float>& outX, std::vector<float>& outY, int32_t res);

// The n + 1 basis values N(j, t) at parameter v (Cox-de Boor), resized to
// n + 1; all zero when t < 1.
void BSplineBasis(int32_t n, double v, int32_t t, std::vector<double>& basis);

}  // namespace kw::pathcore
