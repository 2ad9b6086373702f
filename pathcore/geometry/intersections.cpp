#include "geometry/intersections.h"

#include <algorithm>
#include <cmath>

#include "geometry/point_geometry.h"

namespace kw::pathcore {

namespace {

constexpr double kParallelLimit = 0.00001;  // |determinant| below this: parallel
constexpr double kVerticalLimit = 0.00001;  // |dx| below this: vertical segment
constexpr double kLevelSlack = 0.00001;     // Y products up to this still count as on a segment

bool IsBetween(double v, double a, double b) { return (v - a) * (v - b) <= 0; }

bool IsBetweenInY(double v, double a, double b) { return (v - a) * (v - b) <= kLevelSlack; }

// The X of the crossing at height py. On a vertical segment the crossing's X
// is taken from that segment itself, so the exact on-segment test in X holds.
double CrossingX(double x1, double y1, double x2,
                 double x3, double y3, double x4, double y4, double d) {
  if (std::fabs(x2 - x1) < kVerticalLimit) return x1;
  if (std::fabs(x4 - x3) < kVerticalLimit) return x3;
  const double ua = ((x4 - x3) * (y1 - y3) - (y4 - y3) * (x1 - x3)) / d;
  return x1 + ua * (x2 - x1);
}

bool InsideRect(double x, double y, double left, double bottom, double right, double top) {
  return x >= left && x <= right && y >= bottom && y <= top;
}

}  // namespace

int32_t CircleIntersect(double x1, double y1, double x2, double y2, double r1, double r2,
                        double& ix1, double& iy1, double& ix2, double& iy2) {
  const double g = PointDistance(x1, y1, x2, y2);
  if (g - (r1 + r2) > 0.001 || g - (r1 - r2) < -0.001 || g == 0) return -1;
  // A first circle of no size has no chord to work out; its division would be by zero.
  if (r1 == 0) return -1;
  const double t = (r1 * r1 + g * g - r2 * r2) / (2 * g * std::fabs(r1));
  const double u = std::sqrt(std::fabs(1 - t * t));
  const double ex = (x2 - x1) / g;
  const double ey = (y2 - y1) / g;
  const double w = r1 * t;
  const double h = -std::fabs(r1) * u;
  ix1 = x1 + w * ex - h * ey;
  iy1 = y1 + w * ey + h * ex;
  ix2 = x1 + w * ex + h * ey;
  iy2 = y1 + w * ey - h * ex;
  return 2;
}

int32_t SegmentIntersect(double x1, double y1, double x2, double y2,
                         double x3, double y3, double x4, double y4, double& px, double& py) {
  const double d = (y4 - y3) * (x2 - x1) - (y2 - y1) * (x4 - x3);
  if (std::fabs(d) < kParallelLimit) return -1;
  py = ((x1 * y2 - y1 * x2) * (y3 - y4) - (y1 - y2) * (x3 * y4 - y3 * x4)) / d;
  px = CrossingX(x1, y1, x2, x3, y3, x4, y4, d);
  const bool onBoth = IsBetween(px, x1, x2) && IsBetween(px, x3, x4) &&
                      IsBetweenInY(py, y1, y2) && IsBetweenInY(py, y3, y4);
  return onBoth ? 1 : 0;
}

int32_t SegmentHitsRect(double x1, double y1, double x2, double y2,
                        double x3, double y3, double x4, double y4) {
  constexpr int32_t kMiss = 1;
  const double left = std::min(x3, x4);
  const double right = std::max(x3, x4);
  const double bottom = std::min(y3, y4);
  const double top = std::max(y3, y4);
  if (std::max(x1, x2) < left || std::min(x1, x2) > right) return kMiss;
  if (std::max(y1, y2) < bottom || std::min(y1, y2) > top) return kMiss;
  const double edges[4][4] = {{left, bottom, right, bottom},
                              {right, bottom, right, top},
                              {right, top, left, top},
                              {left, top, left, bottom}};
  for (const auto& e : edges) {
    double px = 0;
    double py = 0;
    if (SegmentIntersect(x1, y1, x2, y2, e[0], e[1], e[2], e[3], px, py) == 1) return 0;
  }
  // Crossing no edge, the segment lies wholly inside or wholly outside, so
  // one end decides; an end on a border counts as inside.
  return InsideRect(x1, y1, left, bottom, right, top) ? 0 : kMiss;
}

int32_t PointNearSegment(double x1, double y1, double x2, double y2,
                         double px, double py, double tolerance) {
  const double theta = PointAngle(x2, y2, x1, y1);
  RotatePointD(px, py, x1, y1, -theta);
  RotatePointD(x2, y2, x1, y1, -theta);
  const bool withinX = px >= std::min(x1, x2) - tolerance && px <= std::max(x1, x2) + tolerance;
  const bool withinY = std::fabs(py - y1) <= tolerance;
  return withinX && withinY ? 0 : -1;
}

}  // namespace kw::pathcore
