// Figures on a pixel surface: a pixel belongs to a figure when its grey level
// differs from the background grey by more than the threshold. A figure is
// the 4-connected set of such pixels; filling it paints it with the background
// so the next search finds the next figure.
#pragma once

#include <cstdint>

#include "carvecalc/carvecalc_records.h"
#include "carvecalc/pixel_surface.h"

namespace kw::carvecalc {

// Fills the figure containing pixel (i, j) with the background grey and reports
// its start pixel, extreme pixels and grey in found. False, with found left
// alone, when (i, j) is off the surface or not part of a figure.
bool FillFigure(PixelSurface& surface, int32_t i, int32_t j, int critical, int background,
                position& found);

// Searches row by row from pixel (from.x0, from.y0) for the next figure pixel
// and fills that figure as FillFigure does. False when no figure is left.
bool FindFigure(PixelSurface& surface, int critical, int background, const position& from,
                position& found);

// Draws the straight segment from (x0, y0) to (x1, y1) in the surface's fore colour.
void DrawSegment(PixelSurface& surface, double x0, double y0, double x1, double y1);

}  // namespace kw::carvecalc
