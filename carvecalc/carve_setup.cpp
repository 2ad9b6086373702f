#include "carvecalc/carve_setup.h"

#include <algorithm>
#include <cmath>

#include "carvecalc/ellipse_geometry.h"
#include "carvecalc/carve_fault.h"
#include "support/basic_text.h"

namespace carvecalc {

namespace {

std::string IndexList(size_t count) {
  std::string list = ",";
  for (size_t i = 0; i < count; ++i) list += std::to_string(i) + ",";
  return list;
}

void Take(DrawingBounds& b, double x, double y) {
  if (!std::isfinite(x) || !std::isfinite(y)) return;
  if (b.empty) {
    b = {x, y, x, y, false};
    return;
  }
  b.xmin = std::min(b.xmin, x), b.xmax = std::max(b.xmax, x);
  b.ymin = std::min(b.ymin, y), b.ymax = std::max(b.ymax, y);
}

}  // namespace

carvegruep SelectAll(const Drawing& d) {
  carvegruep g;
  g.carveline = IndexList(d.lines.size());
  g.carvepoly = IndexList(d.polylines.size());
  g.carvecircle = IndexList(d.circles.size());
  g.carveellipse = IndexList(d.ellipses.size());
  return g;
}

DrawingBounds BoundsOf(const Drawing& d) {
  DrawingBounds b;
  for (const pointxy& l : d.lines) Take(b, l.X1, l.Y1), Take(b, l.x2, l.y2);
  for (const polygonside& p : d.polylines)
    for (const polyfunction& v : p.polyside) Take(b, v.X, v.Y);
  for (const VBCircle& c : d.circles) {
    const double r = std::abs(c.R);
    Take(b, c.X - r, c.Y - r), Take(b, c.X + r, c.Y + r);
  }
  for (const VBEllipse& e : d.ellipses) {
    try {
      const double w = EllipseHalfWidth(e.conerE, e.aE, e.bE), h = EllipseHalfHeight(e.conerE, e.aE, e.bE);
      Take(b, e.xE - w, e.yE - h), Take(b, e.xE + w, e.yE + h);
    } catch (const CarveFault&) {
      Take(b, e.xE, e.yE);  // a collapsed ellipse has no extent of its own
    }
  }
  return b;
}

bool CarveRowRange(const DrawingBounds& bounds, float space, int16_t bitcount, RowRange& range) {
  if (bounds.empty || !(space > 0)) return false;
  const double scale = std::pow(10.0, bitcount);
  const double lo = std::floor(bounds.ymin / space), hi = std::ceil(bounds.ymax / space);
  const double ymin = std::nearbyint(lo * space * scale);
  if (!std::isfinite(ymin) || std::abs(ymin) > 2e9 || !(hi - lo < 2e9)) return false;
  range.ymin = static_cast<int32_t>(ymin);
  range.lastRow = static_cast<int32_t>(hi - lo);
  return true;
}

std::string RowText(const carve& row) {
  std::vector<double> xs(row.carveX.begin(),
                         row.carveX.begin() + std::clamp<int64_t>(row.carveXCount, 0, static_cast<int64_t>(row.carveX.size())));
  std::sort(xs.begin(), xs.end());
  std::string text = "row " + kw::TextOfDouble(row.carveY) + ":";
  for (double x : xs) text += " " + kw::TextOfDouble(x);
  return text;
}

}  // namespace carvecalc
