#include "geometry/knife_compensation.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "geometry/direction_code.h"
#include "geometry/point_geometry.h"

namespace kw::pathcore {

namespace {

constexpr float kShortestSegment = 0.025f;  // mm; shorter moves do not turn the blade
constexpr float kVerticalDx = 0.00001f;     // mm; stands in for a dx of exactly 0

int32_t UsableCount(int32_t n, const std::vector<float>& X, const std::vector<float>& Y) {
  const auto shortest = static_cast<int64_t>(std::min(X.size(), Y.size()));
  return static_cast<int32_t>(std::clamp<int64_t>(n, 0, shortest));
}

struct Points {
  std::vector<float> x;
  std::vector<float> y;
  void Add(float px, float py) {
    x.push_back(px);
    y.push_back(py);
  }
};

Points KeepDistinctPoints(float a, int32_t count, const std::vector<float>& X, const std::vector<float>& Y) {
  Points kept;
  if (count == 0) return kept;
  kept.Add(X[0], Y[0]);
  for (int32_t k = 1; k < count - 1; ++k) {
    if (std::fabs(X[k] - kept.x.back()) > a || std::fabs(Y[k] - kept.y.back()) > a) kept.Add(X[k], Y[k]);
  }
  if (count > 1) kept.Add(X[count - 1], Y[count - 1]);
  return kept;
}

// On a closed path the knife cuts on past the start by b, so the first
// segment's cut meets the last one's fully.
void AddRunOn(float b, float c, Points& kept) {
  const size_t last = kept.x.size() - 1;
  const bool closed = std::fabs(kept.x[last] - kept.x[0]) < c && std::fabs(kept.y[last] - kept.y[0]) < c;
  if (!closed || kept.x.size() < 2) return;
  const double length = PointDistance(kept.x[0], kept.y[0], kept.x[1], kept.y[1]);
  if (!(length > 0)) return;
  const float dx = kept.x[1] - kept.x[0];
  const float dy = kept.y[1] - kept.y[0];
  kept.Add(static_cast<float>(kept.x[0] + b / length * dx), static_cast<float>(kept.y[0] + b / length * dy));
}

// Steps between two direction classes, 0..8.
int32_t ClassChange(int16_t from, int16_t to) {
  const int32_t k = std::abs(to - from);
  return k > 8 ? 16 - k : k;
}

int16_t WrapClass(int32_t cls) { return static_cast<int16_t>(((cls % 16) + 16) % 16); }

// The blade swivels about the axis point from one class to the next, passing
// every class between them the shorter way round.
void AddSwivelPoints(int16_t from, int16_t to, float a, float x, float y, Points& out) {
  const int32_t difference = to - from;
  if (difference == 0) return;
  int32_t step = difference > 0 ? 1 : -1;
  if (std::abs(difference) >= 9) step = -step;
  for (int16_t cls = WrapClass(from + step); cls != to; cls = WrapClass(cls + step)) {
    float px = x;
    float py = y;
    StepPointByCode(cls, a, x, y, px, py);
    out.Add(px, py);
  }
}

struct BladeState {
  int16_t cls;
  float offsetX;  // mm
  float offsetY;  // mm
};

void AddSegment(float x1, float y1, float x2, float y2, float a, int16_t b, BladeState& blade, Points& out) {
  float dx = x2 - x1;
  const float dy = y2 - y1;
  if (std::fabs(dx) < kShortestSegment && std::fabs(dy) < kShortestSegment) return;
  if (dx == 0) dx = kVerticalDx;
  const double length = std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy);
  const BladeState next{DirectionCode16(x1, x2, y1, y2), static_cast<float>(a * dx / length),
                        static_cast<float>(a * dy / length)};
  if (ClassChange(blade.cls, next.cls) > b && (std::fabs(dx) > a || std::fabs(dy) > a)) {
    out.Add(x1 + blade.offsetX, y1 + blade.offsetY);
    AddSwivelPoints(blade.cls, next.cls, a, x1, y1, out);
  }
  out.Add(x1 + next.offsetX, y1 + next.offsetY);
  blade = next;
}

}  // namespace

void SimplifyPath(float a, float b, float c, int32_t& n, std::vector<float>& X, std::vector<float>& Y) {
  Points kept = KeepDistinctPoints(a, UsableCount(n, X, Y), X, Y);
  if (!kept.x.empty()) AddRunOn(b, c, kept);
  X = std::move(kept.x);
  Y = std::move(kept.y);
  n = static_cast<int32_t>(X.size());
}

void KnifeOffsetPath(std::vector<float>& X, std::vector<float>& Y, int32_t& n,
                     int16_t& lastClass, float& lastOffsetX, float& lastOffsetY, float a, int16_t b) {
  const int32_t count = UsableCount(n, X, Y);
  BladeState blade{lastClass, lastOffsetX, lastOffsetY};
  Points out;
  out.Add(0, 0);  // element 0 holds no point
  for (int32_t j = 0; j + 1 < count; ++j) AddSegment(X[j], Y[j], X[j + 1], Y[j + 1], a, b, blade, out);
  if (count > 0) out.Add(X[count - 1] + blade.offsetX, Y[count - 1] + blade.offsetY);
  X = std::move(out.x);
  Y = std::move(out.y);
  n = static_cast<int32_t>(X.size());
  lastClass = blade.cls;
  lastOffsetX = blade.offsetX;
  lastOffsetY = blade.offsetY;
}

}  // namespace kw::pathcore
