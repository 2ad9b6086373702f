#include "carvecalc/carve_picture.h"

#include <algorithm>
#include <cmath>

#include "arc_math.h"
#include "carvecalc/carve_fault.h"
#include "ellipse_geometry.h"
#include "raster_fill.h"

namespace kw::carvecalc {

namespace {

// A surface that draws in a chosen colour on top of another surface.
class Pen : public PixelSurface {
 public:
  Pen(PixelSurface& s, uint32_t colour) : s_(s), colour_(colour) {}
  int32_t Width() const override { return s_.Width(); }
  int32_t Height() const override { return s_.Height(); }
  uint32_t GetPixel(int32_t x, int32_t y) const override { return s_.GetPixel(x, y); }
  void SetPixel(int32_t x, int32_t y, uint32_t rgb) override { s_.SetPixel(x, y, rgb); }
  uint32_t ForeColor() const override { return colour_; }

 private:
  PixelSurface& s_;
  uint32_t colour_;
};

void Polyline(Pen& pen, const PictureFrame& f, const std::vector<polyfunction>& points) {
  for (size_t k = 1; k < points.size(); ++k)
    DrawSegment(pen, f.PixelX(points[k - 1].X), f.PixelY(points[k - 1].Y), f.PixelX(points[k].X),
                f.PixelY(points[k].Y));
}

// The outline of an ellipse arc in millimetres, about one point per pixel.
std::vector<polyfunction> ArcPoints(const PictureFrame& f, double x, double y, double a, double b,
                                    double c, double start, double end, bool veer) {
  if (veer) std::swap(start, end);
  const double radiusPx = std::max(std::abs(a), std::abs(b)) * f.pixelsPerMm;
  const double step = std::min(M_PI / 8, 1.0 / std::max(radiusPx, 1.0));
  std::vector<polyfunction> points;
  try {
    if (IsFullTurn(start, end)) end = start + 2 * M_PI;
    else NormaliseArc(start, end);
    int32_t last = 0;
    SampleEllipse(x, y, a, b, c, start, end, step, points, last);
  } catch (const CarveFault&) {
    points.clear();  // a figure too odd to sample is left out of the picture
  }
  return points;
}

}  // namespace

PictureFrame FrameFor(const DrawingBounds& bounds, double pixelsPerMm, int32_t margin,
                      int32_t maxSide) {
  PictureFrame f;
  f.margin = margin;
  if (bounds.empty) return f.width = f.height = 2 * margin, f;
  const double w = bounds.xmax - bounds.xmin, h = bounds.ymax - bounds.ymin;
  const double room = std::max(1, maxSide - 2 * margin);
  double scale = pixelsPerMm > 0 ? pixelsPerMm : 1;
  if (std::max(w, h) * scale > room) scale = room / std::max(w, h);
  f.xmin = bounds.xmin, f.ymax = bounds.ymax, f.pixelsPerMm = scale;
  f.width = static_cast<int32_t>(std::ceil(w * scale)) + 2 * margin + 1;
  f.height = static_cast<int32_t>(std::ceil(h * scale)) + 2 * margin + 1;
  return f;
}

void DrawCarve(const std::vector<carve>& rows, const Drawing& d, const PictureFrame& f,
               PixelSurface& surface, PictureColours colours) {
  Pen burn(surface, colours.burn), outline(surface, colours.outline);
  for (const carve& row : rows) {
    const size_t n = std::min(row.carveX.size(), static_cast<size_t>(std::max(0, row.carveXCount)));
    std::vector<double> xs(row.carveX.begin(), row.carveX.begin() + static_cast<long>(n));
    std::sort(xs.begin(), xs.end());
    for (size_t k = 0; k + 1 < xs.size(); k += 2)
      DrawSegment(burn, f.PixelX(xs[k]), f.PixelY(row.carveY), f.PixelX(xs[k + 1]), f.PixelY(row.carveY));
  }
  for (const pointxy& l : d.lines)
    DrawSegment(outline, f.PixelX(l.X1), f.PixelY(l.Y1), f.PixelX(l.x2), f.PixelY(l.y2));
  for (const polygonside& p : d.polylines) Polyline(outline, f, p.polyside);
  for (const VBCircle& c : d.circles)
    Polyline(outline, f, ArcPoints(f, c.X, c.Y, c.R, c.R, 0, c.Start, c.End, c.Veer));
  for (const VBEllipse& e : d.ellipses)
    Polyline(outline, f, ArcPoints(f, e.xE, e.yE, e.aE, e.bE, e.conerE, e.StartE, e.EndE, e.Veer));
}

}  // namespace kw::carvecalc
