#include "raster_fill.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

#include "support/round_half_even.h"

namespace kw::carvecalc {

namespace {

bool IsFigure(const PixelSurface& s, int32_t x, int32_t y, int critical, int background) {
  const uint32_t rgb = s.GetPixel(x, y);
  return rgb != PixelSurface::kNoPixel && std::abs(GreyOf(rgb) - background) > critical;
}

uint32_t GreyColour(int grey) {
  const uint32_t g = static_cast<uint32_t>(grey < 0 ? 0 : grey > 255 ? 255 : grey);
  return g << 16 | g << 8 | g;
}

void Extend(position& p, int32_t x, int32_t y) {
  if (x < p.xminx) p.xminx = x, p.xminy = y;
  if (x > p.xmaxx) p.xmaxx = x, p.xmaxy = y;
  if (y < p.yminy) p.yminx = x, p.yminy = y;
  if (y > p.ymaxy) p.ymaxx = x, p.ymaxy = y;
}

}  // namespace

bool FillFigure(PixelSurface& surface, int32_t i, int32_t j, int critical, int background,
                position& found) {
  if (!IsFigure(surface, i, j, critical, background)) return false;
  const int32_t w = surface.Width(), h = surface.Height();
  position p;
  p.x0 = p.xminx = p.yminx = p.xmaxx = p.ymaxx = i;
  p.y0 = p.xminy = p.yminy = p.xmaxy = p.ymaxy = j;
  p.clr = static_cast<float>(GreyOf(surface.GetPixel(i, j)));
  // A visited map, not the repaint, stops the walk: a threshold below zero
  // makes even the background colour part of a figure.
  std::vector<bool> seen(static_cast<size_t>(w) * static_cast<size_t>(h), false);
  auto mark = [&](int32_t x, int32_t y) { seen[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)] = true; };
  auto wasSeen = [&](int32_t x, int32_t y) { return seen[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)]; };
  std::vector<std::pair<int32_t, int32_t>> stack{{i, j}};
  mark(i, j);
  const uint32_t paint = GreyColour(background);
  while (!stack.empty()) {
    const auto [x, y] = stack.back();
    stack.pop_back();
    surface.SetPixel(x, y, paint);
    Extend(p, x, y);
    const std::pair<int32_t, int32_t> next[] = {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}};
    for (const auto& [nx, ny] : next) {
      if (nx < 0 || ny < 0 || nx >= w || ny >= h || wasSeen(nx, ny)) continue;
      if (!IsFigure(surface, nx, ny, critical, background)) continue;
      mark(nx, ny);
      stack.push_back({nx, ny});
    }
  }
  found = p;
  return true;
}

bool FindFigure(PixelSurface& surface, int critical, int background, const position& from,
                position& found) {
  const int32_t w = surface.Width(), h = surface.Height();
  const int32_t x0 = std::isfinite(from.x0) ? kw::N(from.x0) : 0;
  const int32_t y0 = std::isfinite(from.y0) ? kw::N(from.y0) : 0;
  for (int32_t y = y0 < 0 ? 0 : y0; y < h; ++y) {
    for (int32_t x = (y == y0 && x0 > 0) ? x0 : 0; x < w; ++x) {
      if (IsFigure(surface, x, y, critical, background))
        return FillFigure(surface, x, y, critical, background, found);
    }
  }
  return false;
}

void DrawSegment(PixelSurface& surface, double x0, double y0, double x1, double y1) {
  if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(x1) || !std::isfinite(y1)) return;
  // Clip to the surface (Liang-Barsky) so a long segment costs only its visible pixels.
  double t0 = 0, t1 = 1;
  const double dx = x1 - x0, dy = y1 - y0;
  auto clip = [&](double p, double q) {
    if (p == 0) return q >= 0;
    const double r = q / p;
    if (p < 0) t0 = std::max(t0, r);
    else t1 = std::min(t1, r);
    return t0 <= t1;
  };
  if (!clip(-dx, x0 + 1) || !clip(dx, surface.Width() - x0) || !clip(-dy, y0 + 1) ||
      !clip(dy, surface.Height() - y0))
    return;
  const double ax = x0 + t0 * dx, ay = y0 + t0 * dy, bx = x0 + t1 * dx, by = y0 + t1 * dy;
  const int64_t steps = static_cast<int64_t>(std::ceil(std::max(std::abs(bx - ax), std::abs(by - ay))));
  for (int64_t k = 0; k <= steps; ++k) {
    const double t = steps == 0 ? 0 : static_cast<double>(k) / static_cast<double>(steps);
    surface.SetPixel(kw::N(ax + (bx - ax) * t), kw::N(ay + (by - ay) * t), surface.ForeColor());
  }
}

}  // namespace kw::carvecalc
