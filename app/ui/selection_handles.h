// The selection frame's nine handles and what dragging one does: which
// handle a click hits, the frame a drag would give, and the scale factors
// and fixed corner the document's Block_Scale takes at the drop.
#pragma once

#include <cstdint>
#include <optional>

namespace kw {

// Mouse tools 6..14: the handle being dragged.
enum Handle : int16_t {
  kTopLeft = 6,
  kTopMiddle = 7,
  kTopRight = 8,
  kLeftMiddle = 9,
  kRightMiddle = 10,
  kBottomLeft = 11,
  kBottomMiddle = 12,
  kBottomRight = 13,
  kCentre = 14,
};

struct Frame {
  double left = 0, right = 0, bottom = 0, top = 0;  // mm
  double MidX() const { return left + (right - left) / 2; }
  double MidY() const { return bottom + (top - bottom) / 2; }
};

// The handle within tol (mm) of (x, y), tested centre first, then the edge
// midpoints and the corners in the view's order; nothing when none is.
std::optional<Handle> HandleAt(const Frame& frame, double x, double y, double tol);

// The frame as it would be with the handle dragged to (x, y); the centre
// handle moves the whole frame by (x, y) - press.
Frame DraggedFrame(const Frame& frame, Handle handle, double x, double y, double pressX, double pressY);

struct HandleScale {
  double kx = 1, ky = 1;  // factors of Block_Scale
  int16_t center = 0;     // its fixed corner: 1 top-left, 2 top-right, 3 bottom-left, 4 bottom-right
  bool corner = false;    // a corner handle: the scale dialog locks both axes
};

// The scale a drop of handle 6..13 at (lx, ly) asks for. An axis of no
// extent keeps factor 1: a flat selection cannot be stretched across it.
HandleScale ScaleOfDrop(const Frame& frame, Handle handle, double lx, double ly);

}  // namespace kw
