#include "arc_math.h"

#include <algorithm>
#include <cmath>

#include "checked_math.h"

namespace kw::carvecalc {

double ArcSin(double x) {
  if (x == 1) return kHalfPi;
  if (x == -1) return -kHalfPi;
  if (!(std::abs(x) < 1)) throw CarveFault(CarveError::InvalidCall, "arcsine of a value outside -1..1");
  return std::atan(x / std::sqrt(1 - x * x));
}

double ArcCos(double x) {
  if (x == 1) return 0;
  if (x == -1) return kPi;
  if (!(std::abs(x) < 1)) throw CarveFault(CarveError::InvalidCall, "arccosine of a value outside -1..1");
  return std::atan(-x / std::sqrt(1 - x * x)) + 2 * std::atan(1.0);
}

double DirectionAngle(double x0, double y0, double x1, double y1) {
  const double dx = Finite(x1 - x0), dy = Finite(y1 - y0);
  if (dx == 0 && dy == 0) return 0;
  const double a = std::atan2(dy, dx);
  return a < 0 ? a + 2 * M_PI : a;
}

bool IsFullTurn(double start, double end) {
  return std::abs(Finite(end - start)) - kTwoPi > -0.0001;
}

void NormaliseArc(double& start, double& end) {
  const double full = 2 * M_PI;
  start = std::fmod(Finite(start), full);
  if (start < 0) start += full;
  double span = std::fmod(Finite(end) - start, full);
  if (span <= 0) span += full;
  end = start + span;
}

std::string ArcSweep(double start, double end) {
  if (IsFullTurn(start, end)) return kFullSweep;
  NormaliseArc(start, end);
  return end - start <= M_PI ? kShortSweep : kLongSweep;
}

void ArcExtent(double x, double y, double r, double start, double end, double& maxx,
               double& maxy, double& minx, double& miny) {
  const bool full = IsFullTurn(start, end);
  NormaliseArc(start, end);
  auto take = [&](double t, bool first) {
    const double px = Finite(x + r * std::cos(t)), py = Finite(y + r * std::sin(t));
    if (first) {
      maxx = minx = px;
      maxy = miny = py;
      return;
    }
    maxx = std::max(maxx, px), minx = std::min(minx, px);
    maxy = std::max(maxy, py), miny = std::min(miny, py);
  };
  take(start, true);
  take(end, false);
  // The axis directions inside the arc are where the extremes can lie.
  for (int k = 0; k < 8; ++k) {
    const double axis = k * M_PI / 2;
    if (full || (axis > start && axis < end)) take(axis, false);
  }
}

bool OnArc(const polyfunction& c, const polyfunction& p, const polyfunction& s,
           const polyfunction& e, const std::string& sweep) {
  if (sweep == kFullSweep) return true;
  auto cross = [&](const polyfunction& u, const polyfunction& v) {
    return (u.X - c.X) * (v.Y - c.Y) - (u.Y - c.Y) * (v.X - c.X);
  };
  const bool afterStart = cross(s, p) >= 0;
  const bool beforeEnd = cross(p, e) >= 0;
  // A short arc is the intersection of the two half-planes, a long one their union.
  if (sweep == kShortSweep) {
    // Exclude the point opposite a short arc, which both half-planes contain
    // when the arc is exactly half a turn.
    const double dot = (p.X - c.X) * (s.X - c.X + e.X - c.X) + (p.Y - c.Y) * (s.Y - c.Y + e.Y - c.Y);
    return afterStart && beforeEnd && (dot >= 0 || cross(s, e) != 0);
  }
  return afterStart || beforeEnd;
}

bool OnAngleRange(const polyfunction& c, const polyfunction& p, double k0, double ky) {
  const double full = 2 * M_PI;
  const double phi = DirectionAngle(c.X, c.Y, p.X, p.Y);
  double span = std::fmod(Finite(ky - k0), full);
  if (span < 0) span += full;
  double d = std::fmod(phi - k0, full);
  if (d < 0) d += full;
  // Within rounding of the start angle counts as the start.
  if (full - d < 1e-12) d = 0;
  return d <= span + 1e-12;
}

}  // namespace kw::carvecalc
