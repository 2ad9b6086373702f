// The document's drawing surface on a QPainter: what the program's view and
// the command line's pictures draw through.
#pragma once

#include <QPainter>
#include <QPoint>

#include "pathcore/canvas.h"

namespace kw {

class QtCanvas : public kw::pathcore::Canvas {
 public:
  // The painter must be active on its device for the life of the canvas.
  explicit QtCanvas(QPainter& painter);

  double TwipsPerPixelX() const override;
  double TwipsPerPixelY() const override;
  kw::pathcore::CanvasTools Tools() const override { return tools_; }
  void SetPen(const kw::pathcore::CanvasPen& pen) override;
  void SetBrush(const kw::pathcore::CanvasBrush& brush) override;
  void MoveTo(int32_t x, int32_t y) override { position_ = QPoint(x, y); }
  void LineTo(int32_t x, int32_t y) override;
  void Polyline(std::span<const kw::pathcore::CanvasPoint> points) override;
  void Polygon(std::span<const kw::pathcore::CanvasPoint> points) override;
  void PolyPolygon(std::span<const kw::pathcore::CanvasPoint> points, std::span<const int32_t> counts) override;
  void Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
  void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
  void StretchImage(int32_t x, int32_t y, int32_t width, int32_t height,
                    const kw::pathcore::BmpPicture& picture) override;

  // A colour of the document (0x00BBGGRR) as Qt's.
  static QColor ToQColor(uint32_t colorRef);

 private:
  QPainter& painter_;
  kw::pathcore::CanvasTools tools_;
  QPoint position_;
};

}  // namespace kw
