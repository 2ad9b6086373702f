#include "geometry/smooth_polyline.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "geometry/bspline.h"
#include "geometry/direction_code.h"
#include "geometry/point_geometry.h"
#include "support/round_half_even.h"

namespace kw::pathcore {

namespace {

constexpr float kSamePoint = 0.001f;        // mm; closer in X and Y counts as a repeated point
constexpr double kLongSegment = 8;          // mm; a segment this long always ends a curve
constexpr double kMediumSegment = 1;        // mm; two of these meeting at 3 classes make a corner
constexpr double kShortestRun = 0.3;        // mm; a corner this close to the previous one is dropped
constexpr double kCurveStep = 0.1;          // mm; spacing of the points of a smoothed run

struct Polyline {
  std::vector<float> x;
  std::vector<float> y;
  size_t Size() const { return x.size(); }
};

Polyline DistinctPoints(const std::vector<float>& X, const std::vector<float>& Y, int32_t n) {
  const auto end = static_cast<int64_t>(std::min(X.size(), Y.size()));
  const int64_t last = std::min<int64_t>(static_cast<int64_t>(n) - 1, end - 1);
  Polyline points;
  for (int64_t i = 1; i <= last; ++i) {
    const bool repeated = !points.x.empty() && std::fabs(X[i] - points.x.back()) < kSamePoint &&
                          std::fabs(Y[i] - points.y.back()) < kSamePoint;
    if (repeated) continue;
    points.x.push_back(X[i]);
    points.y.push_back(Y[i]);
  }
  return points;
}

int32_t ClassChange(int16_t from, int16_t to) {
  const int32_t k = std::abs(to - from);
  return k > 8 ? 16 - k : k;
}

struct Segments {
  std::vector<int16_t> cls;
  std::vector<double> length;  // mm
};

Segments MeasureSegments(const Polyline& p) {
  Segments s;
  for (size_t i = 0; i + 1 < p.Size(); ++i) {
    s.cls.push_back(DirectionCode16(p.x[i], p.x[i + 1], p.y[i], p.y[i + 1]));
    s.length.push_back(PointDistance(p.x[i], p.y[i], p.x[i + 1], p.y[i + 1]));
  }
  return s;
}

// corner[v] for every point v: a sharp turn, or a long straight segment on
// either side that the spline must not bend.
std::vector<bool> FindCorners(const Segments& s) {
  std::vector<bool> corner(s.cls.size() + 1, false);
  for (size_t v = 1; v < s.cls.size(); ++v) {
    const int32_t turn = ClassChange(s.cls[v - 1], s.cls[v]);
    const double before = s.length[v - 1];
    const double after = s.length[v];
    corner[v] = turn >= 4 || before > kLongSegment || after > kLongSegment ||
                (before > kMediumSegment && after > kMediumSegment && turn >= 3);
  }
  return corner;
}

// Corners packed closer than kShortestRun would leave curves too short to
// smooth anything, so such a corner is dropped and its run joins the next.
void DropCrowdedCorners(const Segments& s, std::vector<bool>& corner) {
  double sinceCorner = 0;
  for (size_t i = 0; i < s.length.size(); ++i) {
    sinceCorner += s.length[i];
    if (!corner[i + 1]) continue;
    if (sinceCorner < kShortestRun) {
      corner[i + 1] = false;
    } else {
      sinceCorner = 0;
    }
  }
}

// Runs are appended whole, one after another: where two runs meet, the
// corner point ends the one and starts the next.
void Append(const std::vector<float>& x, const std::vector<float>& y, std::vector<float>& outX,
            std::vector<float>& outY) {
  outX.insert(outX.end(), x.begin(), x.end());
  outY.insert(outY.end(), y.begin(), y.end());
}

void AppendRun(const Polyline& p, const Segments& s, size_t first, size_t last, int32_t order,
               std::vector<float>& outX, std::vector<float>& outY) {
  const auto begin = static_cast<std::ptrdiff_t>(first);
  const auto end = static_cast<std::ptrdiff_t>(last + 1);
  const std::vector<float> runX(p.x.begin() + begin, p.x.begin() + end);
  const std::vector<float> runY(p.y.begin() + begin, p.y.begin() + end);
  if (last - first == 1) {
    Append(runX, runY, outX, outY);
    return;
  }
  double length = 0;
  for (size_t i = first; i < last; ++i) length += s.length[i];
  std::vector<float> curveX;
  std::vector<float> curveY;
  BSplineCurve(runX, runY, static_cast<int32_t>(last - first), order, curveX, curveY,
               kw::N(length / kCurveStep + 1));
  Append(curveX, curveY, outX, outY);
}

}  // namespace

void SmoothPolyline(const std::vector<float>& X, const std::vector<float>& Y, int32_t n, int32_t order,
                    std::vector<float>& outX, std::vector<float>& outY, int32_t& outCount) {
  outX.assign(1, 0.0f);  // element 0 holds no point
  outY.assign(1, 0.0f);
  outCount = 0;
  const Polyline points = DistinctPoints(X, Y, n);
  if (points.Size() < 2) return;
  const Segments segments = MeasureSegments(points);
  std::vector<bool> corner = FindCorners(segments);
  DropCrowdedCorners(segments, corner);
  size_t runStart = 0;
  for (size_t v = 1; v < points.Size(); ++v) {
    if (v + 1 < points.Size() && !corner[v]) continue;
    AppendRun(points, segments, runStart, v, order, outX, outY);
    runStart = v;
  }
  outCount = static_cast<int32_t>(outX.size() - 1);
}

}  // namespace kw::pathcore
