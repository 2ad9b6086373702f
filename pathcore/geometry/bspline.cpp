#include "geometry/bspline.h"

#include <algorithm>
#include <cstddef>

namespace kw::pathcore {

namespace {

// Knot j of the clamped uniform vector: t zeros, then 1, 2, ..., then n - t + 2
// repeated, for j = 0..n + t.
double Knot(int32_t j, int32_t n, int32_t t) {
  if (j < t) return 0;
  if (j <= n) return j - t + 1;
  return n - t + 2;
}

// One Cox-de Boor term; a term over a zero knot span counts as 0.
double Term(double numerator, double lower, double span) {
  return span == 0 ? 0 : numerator * lower / span;
}

// Single-precision accumulation of one coordinate, as the stored points are floats.
float WeightedSum(const std::vector<float>& values, const std::vector<double>& basis) {
  float sum = 0;
  for (size_t j = 0; j < basis.size(); ++j) {
    sum = static_cast<float>(sum + values[j] * basis[j]);
  }
  return sum;
}

}  // namespace

void BSplineBasis(int32_t n, double v, int32_t t, std::vector<double>& basis) {
  basis.assign(static_cast<size_t>(std::max(n + 1, 0)), 0.0);
  if (n < 0 || t < 1) return;
  std::vector<double> u(static_cast<size_t>(n) + t + 1);
  for (int32_t j = 0; j <= n + t; ++j) u[j] = Knot(j, n, t);
  // level[j] holds N(j, k) while k rises from 1 to t.
  std::vector<double> level(static_cast<size_t>(n) + t, 0.0);
  for (int32_t j = 0; j < n + t; ++j) level[j] = (u[j] <= v && v < u[j + 1]) ? 1 : 0;
  for (int32_t k = 2; k <= t; ++k) {
    for (int32_t j = 0; j <= n + t - k; ++j) {
      level[j] = Term(v - u[j], level[j], u[j + k - 1] - u[j]) +
                 Term(u[j + k] - v, level[j + 1], u[j + k] - u[j + 1]);
    }
  }
  std::copy_n(level.begin(), n + 1, basis.begin());
}

void BSplineCurve(const std::vector<float>& X, const std::vector<float>& Y, int32_t n, int32_t t,
                  std::vector<float>& outX, std::vector<float>& outY, int32_t res) {
  const bool usable = n >= 0 && res >= 0 && X.size() > static_cast<size_t>(n) &&
                      Y.size() > static_cast<size_t>(n);
  outX.assign(usable ? static_cast<size_t>(res) + 1 : 0, 0.0f);
  outY.assign(outX.size(), 0.0f);
  if (!usable) return;
  outX[0] = X[0];
  outY[0] = Y[0];
  std::vector<double> basis;
  for (int32_t i = 1; i < res; ++i) {
    const double v = static_cast<double>(i) / res * (n - t + 2);
    BSplineBasis(n, v, t, basis);
    outX[i] = WeightedSum(X, basis);
    outY[i] = WeightedSum(Y, basis);
  }
  outX[res] = X[n];
  outY[res] = Y[n];
}

}  // namespace kw::pathcore
