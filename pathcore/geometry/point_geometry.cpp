#include "geometry/point_geometry.h"

#include <cmath>

namespace kw::pathcore {

namespace {

// Brings an angle into 0..360 as repeated addition or subtraction of 360
// would; fmod gives the same value because each of those steps is exact, and
// it cannot spin on huge or infinite angles.
double WrapDegrees(double angle) {
  if (angle > 360) {
    const double rest = std::fmod(angle, 360.0);
    return rest == 0 ? 360.0 : rest;
  }
  if (angle < 0) {
    const double rest = std::fmod(angle, 360.0);
    return rest < 0 ? rest + 360.0 : rest;
  }
  return angle;
}

void PlaceAt(double& x, double& y, double cx, double cy, double r, double degrees) {
  const double radians = degrees * kPi / 180;
  x = cx + r * std::cos(radians);
  y = cy + r * std::sin(radians);
}

}  // namespace

double PointDistance(double x1, double y1, double x2, double y2) {
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  return std::sqrt(dx * dx + dy * dy);
}

double PointAngle(double x, double y, double cx, double cy) {
  const double dx = x - cx;
  const double dy = y - cy;
  if (dx == 0) return dy > 0 ? 90.0 : 270.0;
  if (dy == 0) return dx > 0 ? 0.0 : 180.0;
  const double f = std::atan(-dy / dx) * 180 / kPi;
  if (dx < 0) return 180 - f;
  return dy > 0 ? -f : 360 - f;
}

void RotatePointD(double& x, double& y, double cx, double cy, double angle) {
  const double r = PointDistance(x, y, cx, cy);
  const double a = WrapDegrees(PointAngle(x, y, cx, cy) + angle);
  PlaceAt(x, y, cx, cy, r, a);
}

void RotatePoint(float& x, float& y, double cx, double cy, double angle) {
  double dx = x;
  double dy = y;
  RotatePointD(dx, dy, cx, cy, angle);
  x = static_cast<float>(dx);
  y = static_cast<float>(dy);
}

void PlaceOnCircle(float& x, float& y, double cx, double cy, double angle) {
  const double r = PointDistance(x, y, cx, cy);
  double a = angle;
  if (a < 0) a += 360;
  if (a > 360) a -= 360;
  double nx = 0;
  double ny = 0;
  PlaceAt(nx, ny, cx, cy, r, a);
  x = static_cast<float>(nx);
  y = static_cast<float>(ny);
}

}  // namespace kw::pathcore
