// The mapping of document millimetres to pixels of the picture area: the
// user scale of the area (mm, ScaleHeight negative as Y grows upwards) and
// its size in twips.
#pragma once

#include "pathcore/canvas.h"
#include "support/round_half_even.h"

namespace kw::pathcore {

// kw::N for the many pixel coordinates of a drawing, without a library call:
// adding and taking away 1.5 * 2^52 rounds a value below 2^51 to a whole
// number in the current rounding mode, exactly as nearbyint does. Values
// beyond the int32 range (and NaN) take the checked way.
inline int32_t NearestPixel(double v) {
  constexpr double kRounder = 6755399441055744.0;
  constexpr double kLimit = 2147483647.0;
  if (v > -kLimit && v < kLimit) return static_cast<int32_t>((v + kRounder) - kRounder);
  return kw::N(v);
}

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

  int32_t Px(double x) const { return NearestPixel(x * k - scaleLeft * k); }
  int32_t Py(double y) const { return NearestPixel(heightPx - (y * k - k * bottomY)); }
  CanvasPoint Map(double x, double y) const { return {Px(x), Py(y)}; }
};

}  // namespace kw::pathcore
