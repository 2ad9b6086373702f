// The drawing surface the document draws itself on: pixel coordinates with Y
// downwards, one current pen and one current brush, as a raster device has.
// The program implements it on QPainter; tests record the calls.
#pragma once

#include <cstdint>
#include <span>

#include "pathcore/bmp_picture.h"

namespace kw::pathcore {

// Colours are 0x00BBGGRR: red in the low byte.
constexpr uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) { return r | (g << 8) | (b << 16); }

enum PenStyle : int16_t { kPenSolid = 0, kPenDash = 1, kPenDot = 2, kPenDashDot = 3, kPenDashDotDot = 4, kPenNull = 5 };

struct CanvasPen {
  uint32_t color = 0;
  int32_t width = 1;  // pixels
  int16_t style = kPenSolid;
  bool operator==(const CanvasPen&) const = default;
};

struct CanvasBrush {
  uint32_t color = Rgb(255, 255, 255);
  bool hollow = false;  // no fill
  bool operator==(const CanvasBrush&) const = default;
};

struct CanvasTools {
  CanvasPen pen;
  CanvasBrush brush;
};

struct CanvasPoint {
  int32_t x = 0;  // pixels
  int32_t y = 0;  // pixels, downwards
  bool operator==(const CanvasPoint&) const = default;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  // Twips (1/1440 inch) per pixel of the surface, as the view mapping needs them.
  virtual double TwipsPerPixelX() const = 0;
  virtual double TwipsPerPixelY() const = 0;

  virtual CanvasTools Tools() const = 0;
  virtual void SetPen(const CanvasPen& pen) = 0;
  virtual void SetBrush(const CanvasBrush& brush) = 0;

  // Positioning move and a line from the current position, which it updates.
  virtual void MoveTo(int32_t x, int32_t y) = 0;
  virtual void LineTo(int32_t x, int32_t y) = 0;
  // Lines through the points with the pen; the current position is not used.
  virtual void Polyline(std::span<const CanvasPoint> points) = 0;
  // A closed polygon filled with the brush and outlined with the pen.
  virtual void Polygon(std::span<const CanvasPoint> points) = 0;
  // Several closed polygons, counts[i] points each, filled by the alternate (even-odd) rule.
  virtual void PolyPolygon(std::span<const CanvasPoint> points, std::span<const int32_t> counts) = 0;
  // Filled with the brush, outlined with the pen; right and bottom are exclusive.
  virtual void Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom) = 0;
  virtual void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) = 0;
  // The picture stretched into the rectangle, source pixels copied unchanged.
  virtual void StretchImage(int32_t x, int32_t y, int32_t width, int32_t height, const BmpPicture& picture) = 0;
};

}  // namespace kw::pathcore
