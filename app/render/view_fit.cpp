#include "render/view_fit.h"

namespace kw {

ViewRect ZoomToRect(double x1, double y1, double x2, double y2, double aspect) {
  if (x1 - x2 <= 0 && y1 - y2 <= 0) {
    x1 += 0.5, x2 -= 0.5, y1 += 0.5, y2 -= 0.5;
  }
  ViewRect v;
  const bool wider = y1 == y2 || aspect < (x1 - x2) / (y1 - y2);
  if (wider) {
    v.width = (x1 - x2) * 1.2;
    v.height = -v.width / aspect;
  } else {
    v.height = -(y1 - y2) * 1.2;
    v.width = -v.height * aspect;
  }
  v.left = x2 - (v.width - (x1 - x2)) / 2;
  v.top = y2 - (-v.height - (y1 - y2)) / 2 - v.height;
  return v;
}

}  // namespace kw
