#include "import/dxf_flatten.h"

#include <algorithm>
#include <cmath>

#include "import/dxf_events.h"
#include "geometry/point_geometry.h"
#include "support/round_half_even.h"

namespace kw::pathcore {

namespace {

void AddOnCircle(double x, double y, double R, double angle, DxfPolylineBuilder& out) {
  float px = static_cast<float>(x + R);
  float py = static_cast<float>(y);
  PlaceOnCircle(px, py, x, y, angle);
  out.AddPoint(px, py);
}

// The sweep of an arc, counter-clockwise from 0 up to one whole turn. Angles
// beyond a turn (a corrupt or hand-made file) would retrace the curve again
// and again, so only where it ends on the curve is kept.
double SweepWithinOneTurn(double sweep) {
  if (std::fabs(sweep) <= 360) return sweep < 0 ? sweep + 360 : sweep;
  double rest = std::fmod(sweep, 360.0);
  if (rest < 0) rest += 360;
  // A whole number of turns is one whole turn, not nothing.
  return rest < 1e-9 ? 360 : rest;
}

int32_t SegmentCount(double sweep, double R) {
  return std::min(kw::N(std::fabs(sweep) * 2 * kPi * R / (360 * ArcStep(R))), kMaxFlattenSegments);
}

}  // namespace

void FlattenCircle(double x, double y, double R, DxfPolylineBuilder& out) {
  // A circle too small for one step still becomes a (tiny) closed path rather
  // than a division by zero.
  const int32_t n = std::max(SegmentCount(360, R), 1);
  for (int32_t k = 0; k <= n && k * 360.0 / n <= 360; ++k) AddOnCircle(x, y, R, k * 360.0 / n, out);
  out.AddPoint(static_cast<float>(x + R), static_cast<float>(y));
}

void FlattenArc(double x, double y, double R, double StartAngle, double EndAngle, DxfPolylineBuilder& out) {
  const double s = SweepWithinOneTurn(EndAngle - StartAngle);
  const int32_t n = SegmentCount(s, R);
  if (n == 0) {
    AddOnCircle(x, y, R, StartAngle, out);
  } else {
    for (int32_t k = 0; k <= n && std::fabs(k * s / n) <= std::fabs(s); ++k) {
      AddOnCircle(x, y, R, StartAngle + k * s / n, out);
    }
  }
  AddOnCircle(x, y, R, EndAngle, out);
}

void FlattenEllipse(double x, double y, double mx, double my, double ratio, double p1, double p2,
                    DxfPolylineBuilder& out) {
  const double b1 = p1 * 180 / kPi + 90;
  const double b2 = p2 * 180 / kPi + 90;
  const double s = SweepWithinOneTurn(b2 - b1);
  const double a = PointDistance(0, 0, mx, my);
  const double phi = PointAngle(x + mx, y + my, x, y) - 90;
  const double o = std::max(a / 100 * ratio, 0.2);
  const double n = std::min(std::fabs(s) * 2 * kPi * a / (360 * o), double{kMaxFlattenSegments});
  auto add = [&](double degrees) {
    double px = x + a * std::cos(degrees * kPi / 180);
    double py = y + a * std::sin(degrees * kPi / 180);
    px = x + (px - x) * ratio;
    RotatePointD(px, py, x, y, phi);
    out.AddPoint(px, py);
  };
  // A degenerate ellipse (no axis) has no steps: only its end point remains.
  if (n > 0) {
    for (int32_t k = 0; k <= n + 1 && std::fabs(k * s / n) <= std::fabs(s); ++k) add(b1 + k * s / n);
  }
  add(b2);
}

namespace {

// Centre of the circle through three points; false when they are collinear.
bool Circumcentre(double ax, double ay, double bx, double by, double cx, double cy, double& ox, double& oy) {
  const double d = 2 * (ax * (by - cy) + bx * (cy - ay) + cx * (ay - by));
  if (std::fabs(d) < 1e-12) return false;
  const double a2 = ax * ax + ay * ay, b2 = bx * bx + by * by, c2 = cx * cx + cy * cy;
  ox = (a2 * (by - cy) + b2 * (cy - ay) + c2 * (ay - by)) / d;
  oy = (a2 * (cx - bx) + b2 * (ax - cx) + c2 * (bx - ax)) / d;
  return std::isfinite(ox) && std::isfinite(oy);
}

}  // namespace

void FitArcsThroughTriples(const DxfPolylineBuilder& points, DxfPolylineBuilder& out) {
  const int32_t n = points.Count();
  if (n < 1) return;
  out.AddPoint(points.X[1], points.Y[1]);
  int32_t i = 1;
  for (; i + 2 <= n; i += 2) {
    const double ax = points.X[i], ay = points.Y[i];
    const double bx = points.X[i + 1], by = points.Y[i + 1];
    const double cx = points.X[i + 2], cy = points.Y[i + 2];
    double ox = 0, oy = 0;
    if (!Circumcentre(ax, ay, bx, by, cx, cy, ox, oy)) {
      out.AddPoint(cx, cy);
      continue;
    }
    const double turn = (bx - ax) * (cy - by) - (by - ay) * (cx - bx);
    out.AddPoint(cx, cy, turn > 0 ? kDxfArcCcw : kDxfArcCw, ox, oy);
  }
  if (i < n) out.AddPoint(points.X[n], points.Y[n]);
}

}  // namespace kw::pathcore
