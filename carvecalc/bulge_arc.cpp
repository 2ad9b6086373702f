#include "bulge_arc.h"

#include <cmath>

namespace kw::carvecalc {

void AppendBulgeArc(const polyfunction& from, const polyfunction& to, double bulge,
                    std::vector<polyfunction>& points) {
  const double dx = to.X - from.X, dy = to.Y - from.Y, chord = std::hypot(dx, dy);
  if (!std::isfinite(bulge) || std::abs(bulge) < 1e-9 || !(chord > 0) || !std::isfinite(chord)) return;
  const double angle = 4 * std::atan(bulge);  // included angle, signed
  // The centre lies on the chord's perpendicular bisector, to the left for a
  // counter-clockwise arc; at bulge 1 (a half circle) on the chord itself.
  const double offset = (1 - bulge * bulge) / (4 * bulge);
  const double cx = (from.X + to.X) / 2 - dy * offset, cy = (from.Y + to.Y) / 2 + dx * offset;
  const double radius = std::hypot(from.X - cx, from.Y - cy);
  const double start = std::atan2(from.Y - cy, from.X - cx);
  const int steps = static_cast<int>(std::ceil(std::abs(angle) / (M_PI / 18)));
  for (int k = 1; k < steps; ++k) {
    const double t = start + angle * k / steps;
    points.push_back({cx + radius * std::cos(t), cy + radius * std::sin(t)});
  }
}

}  // namespace kw::carvecalc
