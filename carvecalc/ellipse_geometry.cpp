#include "ellipse_geometry.h"

#include <cmath>

#include "checked_math.h"

namespace kw::carvecalc {

namespace {
// A BASIC For loop over Doubles runs this many times at most before we call it runaway.
constexpr double kMaxEllipsePoints = 10'000'000;
}  // namespace

polyfunction EllipsePoint(double ex, double ey, double a, double b, double c, double t) {
  const double cc = std::cos(c), sc = std::sin(c), ct = std::cos(t), st = std::sin(t);
  return {Finite(ex + a * cc * ct - b * sc * st), Finite(ey + a * sc * ct + b * cc * st)};
}

double EllipseHalfWidth(double c, double a, double b) {
  double u;
  if (c == 0) u = 0;
  else if (c == kHalfPi) u = kHalfPi;
  else u = -std::atan(Div(std::tan(c) * b, a));
  return Finite(std::abs(a * std::cos(c) * std::cos(u) - b * std::sin(c) * std::sin(u)));
}

double EllipseHalfHeight(double c, double a, double b) {
  double u;
  if (c == 0) u = kHalfPi;
  else if (c == kHalfPi) u = 0;
  else u = std::atan(Div(Div(b, a), std::tan(c)));
  return Finite(std::abs(a * std::sin(c) * std::cos(u) + b * std::cos(c) * std::sin(u)));
}

void SampleEllipse(double ex, double ey, double a, double b, double c, double tStart,
                   double tEnd, double step, std::vector<polyfunction>& points,
                   int32_t& lastIndex) {
  auto store = [&](double t) {
    const polyfunction p = EllipsePoint(ex, ey, a, b, c, t);
    points.push_back(p);
    lastIndex = static_cast<int32_t>(points.size() - 1);
  };
  points.clear();
  store(tStart);
  if (std::isnan(step) || std::isnan(tEnd) || step == 0)
    throw CarveFault(CarveError::InvalidCall, "the step must be a non-zero number");
  const bool runs = step > 0 ? tStart <= tEnd : tStart >= tEnd;
  if (runs && std::abs((tEnd - tStart) / step) > kMaxEllipsePoints)
    throw CarveFault(CarveError::OutOfMemory, "too many ellipse points for this step");
  // Accumulate like a BASIC For loop so the sampled parameters match it.
  for (double t = tStart; step > 0 ? t <= tEnd : t >= tEnd; t += step) {
    store(t);
    if (t + step == t) throw CarveFault(CarveError::InvalidCall, "step lost in the parameter's rounding");
  }
  store(tEnd);
}

polyfunction FocusOffset(double a, double b, double c) {
  const double aa = std::abs(a), bb = std::abs(b);
  const double f = std::sqrt(std::abs(aa * aa - bb * bb));
  // The foci lie on the longer axis, which is the b axis when b is the longer one.
  const double dir = aa >= bb ? c : c + kHalfPi;
  return {Finite(f * std::cos(dir)), Finite(f * std::sin(dir))};
}

bool EllipseRowCrossing(double ex, double ey, double a, double b, double c, double y,
                        twopoint& out) {
  // Implicit form A u^2 + B u v + C v^2 = 1 of the rotated ellipse about its centre.
  const double ia = Div(1.0, a * a), ib = Div(1.0, b * b);
  const double cc = std::cos(c), sc = std::sin(c);
  const double qa = cc * cc * ia + sc * sc * ib;
  const double qb = 2 * cc * sc * (ia - ib);
  const double qc = sc * sc * ia + cc * cc * ib;
  const double v = y - ey;
  double disc = Finite(qb * qb * v * v - 4 * qa * (qc * v * v - 1));
  if (disc < 0) {
    // Rows at the very top or bottom may miss by a rounding step: treat them as touching.
    if (disc < -1e-9 * 4 * qa) return false;
    disc = 0;
  }
  const double root = std::sqrt(disc);
  out.Ex1 = ex + Div(-qb * v - root, 2 * qa);
  out.Ex2 = ex + Div(-qb * v + root, 2 * qa);
  return true;
}

polyfunction EllipseRayPoint(double cx, double cy, double a, double b, double phi) {
  const double cp = std::cos(phi), sp = std::sin(phi);
  const double r = Div(a * b, std::sqrt(b * cp * b * cp + a * sp * a * sp));
  return {Finite(cx + r * cp), Finite(cy + r * sp)};
}

}  // namespace kw::carvecalc
