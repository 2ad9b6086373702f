#include "figures.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kw::hpglscan {

namespace {
constexpr double kDefaultChord = 5;
constexpr int kBezierSteps = 16;

double Radians(double degrees) { return degrees * std::numbers::pi / 180; }

int Chords(double sweepDegrees, double chordDegrees) {
  return std::max(1, static_cast<int>(std::ceil(std::abs(sweepDegrees) / chordDegrees - 1e-9)));
}

PlotPoint OnCircle(PlotPoint centre, double radius, double degrees) {
  return {centre.x + radius * std::cos(Radians(degrees)), centre.y + radius * std::sin(Radians(degrees))};
}
}  // namespace

double ChordAngle(const double* given) {
  if (!given) return kDefaultChord;
  return std::clamp(std::abs(*given), 0.5, 180.0);
}

std::vector<PlotPoint> Circle(PlotPoint centre, double radius, double chordDegrees) {
  const int n = Chords(360, chordDegrees);
  std::vector<PlotPoint> points;
  points.reserve(static_cast<size_t>(n) + 1);
  for (int i = 0; i < n; ++i) points.push_back(OnCircle(centre, radius, 360.0 * i / n));
  points.push_back(points.front());
  return points;
}

std::vector<PlotPoint> ArcFrom(PlotPoint start, PlotPoint centre, double sweepDegrees, double chordDegrees) {
  const double radius = std::hypot(start.x - centre.x, start.y - centre.y);
  if (!(radius > 0)) return {};
  const double sweep = std::clamp(sweepDegrees, -360.0, 360.0);
  const double from = std::atan2(start.y - centre.y, start.x - centre.x) * 180 / std::numbers::pi;
  const int n = Chords(sweep, chordDegrees);
  std::vector<PlotPoint> points;
  for (int i = 1; i <= n; ++i) points.push_back(OnCircle(centre, radius, from + sweep * i / n));
  return points;
}

std::vector<PlotPoint> Wedge(PlotPoint centre, double radius, double startDegrees, double sweepDegrees,
                             double chordDegrees) {
  std::vector<PlotPoint> points{centre};
  const PlotPoint start = OnCircle(centre, radius, startDegrees);
  points.push_back(start);
  const std::vector<PlotPoint> arc = ArcFrom(start, centre, sweepDegrees, chordDegrees);
  points.insert(points.end(), arc.begin(), arc.end());
  points.push_back(centre);
  return points;
}

std::vector<PlotPoint> Rectangle(PlotPoint a, PlotPoint b) { return {a, {b.x, a.y}, b, {a.x, b.y}, a}; }

std::vector<PlotPoint> BezierFrom(PlotPoint p0, PlotPoint p1, PlotPoint p2, PlotPoint p3) {
  std::vector<PlotPoint> points;
  for (int i = 1; i <= kBezierSteps; ++i) {
    const double t = static_cast<double>(i) / kBezierSteps, u = 1 - t;
    const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
    points.push_back({a * p0.x + b * p1.x + c * p2.x + d * p3.x, a * p0.y + b * p1.y + c * p2.y + d * p3.y});
  }
  return points;
}

}  // namespace kw::hpglscan
