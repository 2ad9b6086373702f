#include "cut_check.h"

#include <algorithm>
#include <cmath>

namespace kw::soak {
namespace {

// A travel counts as arrived within a pulse and a half of its aim, and the
// millimetres it is computed in round by up to half a pulse more.
constexpr double kTolerance = 2.01;
// Two points closer than this are one point repeated.
constexpr double kRepeat = 0.5;

bool Within(const Point& a, const Point& b, double tolerance) {
  return std::abs(a.x - b.x) <= tolerance && std::abs(a.y - b.y) <= tolerance;
}

bool Same(const Point& a, const Point& b) { return Within(a, b, kTolerance); }

Polyline WithoutRepeats(const Polyline& line) {
  Polyline out;
  for (const Point& p : line)
    if (out.empty() || !Within(out.back(), p, kRepeat)) out.push_back(p);
  return out;
}

bool OnSegment(const Point& p, const Point& a, const Point& b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double length = std::hypot(dx, dy);
  if (length <= kTolerance) return Same(p, a);
  const double along = ((p.x - a.x) * dx + (p.y - a.y) * dy) / length;
  const double across = std::abs((p.x - a.x) * dy - (p.y - a.y) * dx) / length;
  return across <= kTolerance && along >= -kTolerance && along <= length + kTolerance;
}

std::string Describe(size_t path, size_t point, const Point& p) {
  return "path " + std::to_string(path + 1) + " point " + std::to_string(point + 1) + " at (" +
         std::to_string(std::lround(p.x)) + ", " + std::to_string(std::lround(p.y)) + ")";
}

// Empty when `cut` follows `want` from its start, in full or, with `partial`,
// up to a point on the way.
std::string CompareOne(size_t index, const Polyline& cut, const Polyline& want, bool partial) {
  if (cut.size() > want.size()) return Describe(index, want.size(), cut[want.size()]) + " was never asked for";
  for (size_t i = 0; i < cut.size(); ++i) {
    if (Same(cut[i], want[i])) continue;
    const bool endsOnTheWay = partial && i + 1 == cut.size() && i > 0 && OnSegment(cut[i], want[i - 1], want[i]);
    if (!endsOnTheWay) return Describe(index, i, cut[i]) + " is off the path";
  }
  if (!partial && cut.size() < want.size()) return Describe(index, cut.size(), want[cut.size()]) + " was not cut";
  return {};
}

}  // namespace

std::vector<Polyline> ToolDownStretches(const std::vector<axissim::PathSample>& samples, double upZ) {
  std::vector<Polyline> stretches;
  bool down = false;
  for (const axissim::PathSample& s : samples) {
    const bool nowDown = s.z < upZ - 1;
    if (nowDown && !down) stretches.emplace_back();
    if (nowDown) stretches.back().push_back({s.x, s.y});
    down = nowDown;
  }
  for (Polyline& line : stretches) line = WithoutRepeats(line);
  return stretches;
}

std::vector<Polyline> WithoutRedips(const std::vector<Polyline>& stretches) {
  std::vector<Polyline> out;
  for (size_t i = 0; i < stretches.size(); ++i) {
    const Polyline& line = stretches[i];
    const bool afterEnd = !out.empty() && Same(out.back().back(), line[0]);
    const bool beforeStart = i + 1 < stretches.size() && Same(stretches[i + 1][0], line[0]);
    if (line.size() != 1 || !(afterEnd || beforeStart)) out.push_back(line);
  }
  return out;
}

std::string CompareCut(const std::vector<Polyline>& allCut, const std::vector<Polyline>& streamed, bool stopped) {
  const std::vector<Polyline> cut = WithoutRedips(allCut);
  size_t n = cut.size();
  if (stopped && n == streamed.size() + 1 && cut.back().size() == 1) --n;  // lowered, then stopped
  if (n > streamed.size()) return std::to_string(n) + " paths cut, " + std::to_string(streamed.size()) + " streamed";
  if (!stopped && n < streamed.size())
    return std::to_string(n) + " paths cut, " + std::to_string(streamed.size()) + " streamed";
  for (size_t i = 0; i < n; ++i) {
    const bool last = i + 1 == n;
    const std::string wrong = CompareOne(i, cut[i], WithoutRepeats(streamed[i]), stopped && last);
    if (!wrong.empty()) return wrong;
  }
  // With a stop, paths streamed after the last one cut never reached the knife.
  if (stopped && streamed.size() > n + 1) return "paths streamed after the stop";
  return {};
}

}  // namespace kw::soak
