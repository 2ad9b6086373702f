// The document's drawing surface on a QPainter: what the program's view and
// the command line's pictures draw through. Thin solid lines (one pixel wide)
// are always drawn without antialiasing, as on a raster device, and are held
// back so that a run of them in one colour is drawn together; wider pens and
// fills follow the painter's render hints.
#pragma once

#include <QPainter>
#include <QPoint>
#include <QPolygon>
#include <optional>

#include "pathcore/canvas.h"
#include "render/hairline_batch.h"
#include "render/pixel_surface.h"

namespace kw {

class QtCanvas : public kw::pathcore::Canvas {
 public:
  // The painter must be active on its device for the life of the canvas; only
  // the canvas sets its pen and brush meanwhile, and its transformation and
  // clip stay as they are.
  explicit QtCanvas(QPainter& painter);
  // Draws what is still held back.
  ~QtCanvas() override;
  QtCanvas(const QtCanvas&) = delete;
  QtCanvas& operator=(const QtCanvas&) = delete;

  // Draws the lines still held back. Call it before painting on the painter
  // directly or using the picture while the canvas lives.
  void Flush();

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
  bool PenIsHairline() const { return tools_.pen.style == kw::pathcore::kPenSolid && tools_.pen.width <= 1; }
  // Held lines of another colour go first, so overlapping colours keep their order.
  void HoldHairlines() {
    if (tools_.pen.color != hairlineColor_) Flush();
    hairlineColor_ = tools_.pen.color;
  }
  void UsePen();
  void UseBrush();
  const QPolygon& ToPolygon(std::span<const kw::pathcore::CanvasPoint> points);

  QPainter& painter_;
  kw::pathcore::CanvasTools tools_;
  QPoint position_;
  // What the painter has been given, so unchanged tools cost nothing.
  std::optional<kw::pathcore::CanvasPen> painterPen_;
  std::optional<kw::pathcore::CanvasBrush> painterBrush_;
  HairlineBatch hairlines_;
  std::optional<PixelSurface> pixels_;
  uint32_t hairlineColor_ = 0;
  QPolygon polygon_;  // reused for every polygon and wide polyline
};

}  // namespace kw
