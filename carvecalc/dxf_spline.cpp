#include "dxf_spline.h"

#include <algorithm>
#include <cmath>

namespace kw::carvecalc {

namespace {

bool IsValidBSpline(int degree, const std::vector<double>& knots, size_t controls) {
  if (degree < 1 || degree > 25 || controls < static_cast<size_t>(degree) + 1) return false;
  if (knots.size() != controls + static_cast<size_t>(degree) + 1) return false;
  for (size_t i = 0; i < knots.size(); ++i) {
    if (!std::isfinite(knots[i]) || (i > 0 && knots[i] < knots[i - 1])) return false;
  }
  return knots[controls] > knots[static_cast<size_t>(degree)];
}

// De Boor's algorithm for parameter t in knot span k (knots[k] <= t < knots[k+1]).
polyfunction DeBoor(int p, const std::vector<double>& knots, const std::vector<polyfunction>& c,
                    size_t k, double t) {
  std::vector<polyfunction> d(c.begin() + static_cast<long>(k) - p, c.begin() + static_cast<long>(k) + 1);
  for (int r = 1; r <= p; ++r) {
    for (int j = p; j >= r; --j) {
      const size_t i = k - static_cast<size_t>(p) + static_cast<size_t>(j);
      const double denom = knots[i + static_cast<size_t>(p) + 1 - static_cast<size_t>(r)] - knots[i];
      const double alpha = denom == 0 ? 0 : (t - knots[i]) / denom;
      d[static_cast<size_t>(j)].X = (1 - alpha) * d[static_cast<size_t>(j) - 1].X + alpha * d[static_cast<size_t>(j)].X;
      d[static_cast<size_t>(j)].Y = (1 - alpha) * d[static_cast<size_t>(j) - 1].Y + alpha * d[static_cast<size_t>(j)].Y;
    }
  }
  return d[static_cast<size_t>(p)];
}

}  // namespace

std::vector<polyfunction> EvaluateSpline(int degree, const std::vector<double>& knots,
                                         const std::vector<polyfunction>& control,
                                         int stepsPerSpan) {
  if (!IsValidBSpline(degree, knots, control.size())) return control;
  const size_t p = static_cast<size_t>(degree), n = control.size();
  std::vector<polyfunction> points;
  for (size_t k = p; k < n; ++k) {
    const double t0 = knots[k], t1 = knots[k + 1];
    if (t1 <= t0) continue;
    for (int s = 0; s < stepsPerSpan; ++s)
      points.push_back(DeBoor(degree, knots, control, k, t0 + (t1 - t0) * s / stepsPerSpan));
  }
  // The curve ends at the last parameter, which lies in the last non-empty span.
  size_t last = n - 1;
  while (knots[last + 1] <= knots[last]) --last;
  points.push_back(DeBoor(degree, knots, control, last, knots[n]));
  return points;
}

}  // namespace kw::carvecalc
