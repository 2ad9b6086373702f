// A picture of scan rows over the outlines they came from, so a person can
// check the fill: burn segments between even-odd pairs of crossings, outlines
// on top. Plain pixels on a PixelSurface; a front end saves it as it likes.
#pragma once

#include <cstdint>
#include <vector>

#include "carvecalc/carve_setup.h"
#include "carvecalc/carvecalc_records.h"
#include "carvecalc/pixel_surface.h"

namespace kw::carvecalc {

// Maps millimetres (Y up) onto pixels (y down).
struct PictureFrame {
  double xmin = 0;         // mm at the left margin
  double ymax = 0;         // mm at the top margin
  double pixelsPerMm = 1;  // px/mm
  int32_t margin = 0;      // px
  int32_t width = 0;       // px
  int32_t height = 0;      // px

  double PixelX(double x) const { return margin + (x - xmin) * pixelsPerMm; }
  double PixelY(double y) const { return margin + (ymax - y) * pixelsPerMm; }
};

// A frame that shows bounds at the given scale with a margin around it; the
// scale shrinks when the picture would exceed maxSide pixels on a side.
PictureFrame FrameFor(const DrawingBounds& bounds, double pixelsPerMm, int32_t margin = 10,
                      int32_t maxSide = 4000);

struct PictureColours {
  uint32_t burn = 0xF0A040;     // filled spans
  uint32_t outline = 0x000000;  // the drawing
};

// Draws the rows' burn segments, then the drawing's outlines, onto surface.
void DrawCarve(const std::vector<carve>& rows, const Drawing& drawing, const PictureFrame& frame,
               PixelSurface& surface, PictureColours colours = {});

}  // namespace kw::carvecalc
