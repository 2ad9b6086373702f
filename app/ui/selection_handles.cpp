#include "selection_handles.h"

#include <cmath>

namespace kw {
namespace {

struct HandlePoint {
  Handle handle;
  double x, y;
};

// Factor of an axis stretched from `fixed` to `moved` over `extent`.
double Factor(double moved, double fixed, double extent) { return extent != 0 ? (moved - fixed) / extent : 1; }

}  // namespace

std::optional<Handle> HandleAt(const Frame& f, double x, double y, double tol) {
  const HandlePoint order[] = {{kCentre, f.MidX(), f.MidY()},     {kRightMiddle, f.right, f.MidY()},
                               {kLeftMiddle, f.left, f.MidY()},   {kTopMiddle, f.MidX(), f.top},
                               {kBottomMiddle, f.MidX(), f.bottom}, {kTopRight, f.right, f.top},
                               {kBottomLeft, f.left, f.bottom},   {kTopLeft, f.left, f.top},
                               {kBottomRight, f.right, f.bottom}};
  for (const auto& h : order) {
    if (std::fabs(x - h.x) < tol && std::fabs(y - h.y) < tol) return h.handle;
  }
  return std::nullopt;
}

Frame DraggedFrame(const Frame& f, Handle handle, double x, double y, double pressX, double pressY) {
  Frame g = f;
  switch (handle) {
    case kTopLeft: g.left = x, g.top = y; break;
    case kTopMiddle: g.top = y; break;
    case kTopRight: g.right = x, g.top = y; break;
    case kLeftMiddle: g.left = x; break;
    case kRightMiddle: g.right = x; break;
    case kBottomLeft: g.left = x, g.bottom = y; break;
    case kBottomMiddle: g.bottom = y; break;
    case kBottomRight: g.right = x, g.bottom = y; break;
    case kCentre:
      g.left += x - pressX, g.right += x - pressX;
      g.bottom += y - pressY, g.top += y - pressY;
      break;
  }
  return g;
}

HandleScale ScaleOfDrop(const Frame& f, Handle handle, double lx, double ly) {
  const double w = f.right - f.left, h = f.top - f.bottom;
  const double fromLeft = Factor(lx, f.left, w), fromRight = Factor(f.right, lx, w);
  const double fromBottom = Factor(ly, f.bottom, h), fromTop = Factor(f.top, ly, h);
  switch (handle) {
    case kTopLeft: return {fromRight, fromBottom, 4, true};
    case kTopMiddle: return {1, fromBottom, 3, false};
    case kTopRight: return {fromLeft, fromBottom, 3, true};
    case kLeftMiddle: return {fromRight, 1, 2, false};
    case kRightMiddle: return {fromLeft, 1, 3, false};
    case kBottomLeft: return {fromRight, fromTop, 2, true};
    case kBottomMiddle: return {1, fromTop, 1, false};
    case kBottomRight: return {fromLeft, fromTop, 1, true};
    case kCentre: break;
  }
  return {};
}

}  // namespace kw
