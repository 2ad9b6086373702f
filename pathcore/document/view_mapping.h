// The mapping of document millimetres to pixels of the picture area: the
// user scale of the area (mm, ScaleHeight negative as Y grows upwards) and
// its size in twips.
#pragma once

#include "pathcore/canvas.h"
#include "support/round_half_even.h"

namespace kw::pathcore {

struct ViewMapping {
  double k = 1;             // pixels per mm, both axes
  double scaleLeft = 0;     // mm
  double bottomY = 0;       // mm, ScaleTop + ScaleHeight: the lowest visible Y
  double heightPx = 0;      // pixels

  ViewMapping(const Canvas& canvas, float ScaleLeft, float ScaleTop, float ScaleWidth, float ScaleHeight, float Width,
              float Height)
      : k(Width / canvas.TwipsPerPixelX() / ScaleWidth),
        scaleLeft(ScaleLeft),
        bottomY(static_cast<double>(ScaleTop) + ScaleHeight),
        heightPx(Height / canvas.TwipsPerPixelY()) {}

  int32_t Px(double x) const { return kw::N(x * k - scaleLeft * k); }
  int32_t Py(double y) const { return kw::N(heightPx - (y * k - k * bottomY)); }
  CanvasPoint Map(double x, double y) const { return {Px(x), Py(y)}; }
};

}  // namespace kw::pathcore
