#include "machine/prolong_adjust.h"

#include <cmath>
#include <cstdlib>

#include "support/round_half_even.h"

namespace kw {

namespace {

struct PathRef {
  std::vector<int32_t>& X;
  std::vector<int32_t>& Y;

  double Distance(size_t a, size_t b) const {
    return std::hypot(double(X[b]) - X[a], double(Y[b]) - Y[a]);
  }
  int32_t SegmentLength(size_t a, size_t b) const { return N(Distance(a, b)); }
  // The point at fraction f of the way from a to b, rounded to pulses.
  std::pair<int32_t, int32_t> Between(size_t a, size_t b, double f) const {
    return {N(X[a] + f * (double(X[b]) - X[a])), N(Y[a] + f * (double(Y[b]) - Y[a]))};
  }
};

void Shorten(PathRef p, int32_t length) {
  size_t last = p.X.size() - 1;
  int32_t remaining = length;
  int32_t segment = 0;
  for (;;) {
    segment = p.SegmentLength(last - 1, last);
    if (segment > remaining) break;
    if (last - 1 <= 1) return;  // only the first point would be left
    remaining -= segment;
    --last;
  }
  if (remaining >= 1) {
    auto [x, y] = p.Between(last - 1, last, 1.0 - double(remaining) / segment);
    p.X[last] = x, p.Y[last] = y;
  }
  p.X.resize(last + 1);
  p.Y.resize(last + 1);
}

void Overcut(PathRef p, int32_t length) {
  const size_t n = p.X.size() - 1;
  size_t i = 2;
  int32_t remaining = length;
  int32_t segment = 0;
  for (;;) {
    if (i > n) return;  // the whole path is shorter than the overcut
    segment = p.SegmentLength(i - 1, i);
    if (segment > remaining) break;
    remaining -= segment;
    ++i;
  }
  auto [x, y] = p.Between(i - 1, i, double(remaining) / segment);
  for (size_t k = 2; k <= i - 1; ++k) {
    p.X.push_back(p.X[k]);
    p.Y.push_back(p.Y[k]);
  }
  p.X.push_back(x);
  p.Y.push_back(y);
}

}  // namespace

void AdjustPathEnds(std::vector<int32_t>& X, std::vector<int32_t>& Y, float proLong, double pulsesPerMm) {
  if (X.size() != Y.size() || X.size() < 5) return;  // fewer than four points
  const int32_t m = N(proLong * pulsesPerMm);
  const int32_t tolerance = N(0.05 * pulsesPerMm);
  PathRef path{X, Y};
  const size_t n = X.size() - 1;
  if (m == 0 || path.Distance(1, n) > tolerance) return;
  if (m < 0)
    Shorten(path, -m);
  else
    Overcut(path, m);
}

}  // namespace kw
