#include "carvecalc/carve_setup.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>

#include "ellipse_geometry.h"
#include "carvecalc/carve_fault.h"
#include "support/basic_text.h"
#include "support/round_half_even.h"

namespace kw::carvecalc {

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
  range.ymin = kw::N32(lo * space * scale);
  range.lastRow = kw::N32(hi - lo);
  return true;
}

void ReadDrawing(Carvecalc& calc, const std::string& path, Drawing& d) {
  std::string ext = std::filesystem::path(path).extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
  if (ext == ".dxf") calc.opendxf(path, d.lines, d.polylines, d.circles, d.ellipses, d.entities);
  else calc.Openplt(path, d.polylines, d.entities);
}

void CarveDrawing(Carvecalc& calc, Drawing& d, float space, int16_t bitcount,
                  std::vector<carve>& rows) {
  const DrawingBounds bounds = BoundsOf(d);
  if (bounds.empty) return rows.clear();
  RowRange range;
  CarveRowRange(bounds, space, bitcount, range);  // a bad spacing is Optioncarve's to report
  carvegruep all = SelectAll(d);
  calc.Optioncarve(rows, range.lastRow, all, space, bitcount, range.ymin, d.lines, d.polylines,
                   d.circles, d.ellipses);
}

std::string RowText(const carve& row) {
  std::vector<double> xs(row.carveX.begin(),
                         row.carveX.begin() + std::clamp<int64_t>(row.carveXCount, 0, static_cast<int64_t>(row.carveX.size())));
  std::sort(xs.begin(), xs.end());
  std::string text = "row " + kw::TextOfDouble(row.carveY) + ":";
  for (double x : xs) text += " " + kw::TextOfDouble(x);
  return text;
}

}  // namespace kw::carvecalc
