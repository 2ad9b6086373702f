#include "render/qt_canvas.h"

#include <QImage>
#include <QPainterPath>
#include <QPolygon>
#include <optional>

namespace kw {
namespace {

constexpr double kTwipsPerInch = 1440;

Qt::PenStyle ToQtStyle(int16_t style) {
  switch (style) {
    case kw::pathcore::kPenDash: return Qt::DashLine;
    case kw::pathcore::kPenDot: return Qt::DotLine;
    case kw::pathcore::kPenDashDot: return Qt::DashDotLine;
    case kw::pathcore::kPenDashDotDot: return Qt::DashDotDotLine;
    case kw::pathcore::kPenNull: return Qt::NoPen;
    default: return Qt::SolidLine;
  }
}

// Held hairlines are drawn once this many points have gathered, so the batch stays small.
constexpr size_t kHairlineBatchLimit = 1 << 15;

// What of the painter's coordinates reaches its device; behind any
// transformation the canvas cannot tell, and keeps everything.
std::optional<QRect> VisibleBounds(const QPainter& painter) {
  const QPaintDevice* device = painter.device();
  if (!device || !painter.combinedTransform().isIdentity()) return std::nullopt;
  QRect bounds(0, 0, device->width(), device->height());
  if (painter.hasClipping()) bounds &= painter.clipBoundingRect().toAlignedRect();
  return bounds;
}

QPen ToQPen(const kw::pathcore::CanvasPen& pen) {
  QPen qpen(QtCanvas::ToQColor(pen.color));
  qpen.setWidth(pen.width < 1 ? 1 : pen.width);
  qpen.setStyle(ToQtStyle(pen.style));
  return qpen;
}

}  // namespace

QtCanvas::QtCanvas(QPainter& painter) : painter_(painter), pixels_(PixelSurface::Of(painter)) {
  if (const auto bounds = VisibleBounds(painter)) hairlines_.SetBounds(*bounds);
}

QtCanvas::~QtCanvas() { Flush(); }

void QtCanvas::Flush() {
  if (hairlines_.Empty()) return;
  const kw::pathcore::CanvasPen pen{hairlineColor_, 1, kw::pathcore::kPenSolid};
  if (painterPen_ != pen) painter_.setPen(ToQPen(pen)), painterPen_ = pen;
  hairlines_.Draw(painter_, pixels_ ? &*pixels_ : nullptr);
}

// Anything drawn straight away comes after the held lines.
void QtCanvas::UsePen() {
  Flush();
  if (painterPen_ != tools_.pen) painter_.setPen(ToQPen(tools_.pen)), painterPen_ = tools_.pen;
}

void QtCanvas::UseBrush() {
  if (painterBrush_ == tools_.brush) return;
  painter_.setBrush(tools_.brush.hollow ? QBrush(Qt::NoBrush) : QBrush(ToQColor(tools_.brush.color)));
  painterBrush_ = tools_.brush;
}

const QPolygon& QtCanvas::ToPolygon(std::span<const kw::pathcore::CanvasPoint> points) {
  polygon_.resize(static_cast<qsizetype>(points.size()));
  for (size_t i = 0; i < points.size(); ++i) polygon_[static_cast<qsizetype>(i)] = QPoint(points[i].x, points[i].y);
  return polygon_;
}

QColor QtCanvas::ToQColor(uint32_t colorRef) {
  return QColor(static_cast<int>(colorRef & 0xFF), static_cast<int>((colorRef >> 8) & 0xFF),
                static_cast<int>((colorRef >> 16) & 0xFF));
}

double QtCanvas::TwipsPerPixelX() const {
  const int dpi = painter_.device() ? painter_.device()->logicalDpiX() : 96;
  return kTwipsPerInch / (dpi > 0 ? dpi : 96);
}

double QtCanvas::TwipsPerPixelY() const {
  const int dpi = painter_.device() ? painter_.device()->logicalDpiY() : 96;
  return kTwipsPerInch / (dpi > 0 ? dpi : 96);
}

// Tools reach the painter only when something is drawn with them.
void QtCanvas::SetPen(const kw::pathcore::CanvasPen& pen) { tools_.pen = pen; }

void QtCanvas::SetBrush(const kw::pathcore::CanvasBrush& brush) { tools_.brush = brush; }

void QtCanvas::LineTo(int32_t x, int32_t y) {
  const QPoint from = position_;
  position_ = QPoint(x, y);
  if (tools_.pen.style == kw::pathcore::kPenNull) return;
  if (PenIsHairline()) {
    HoldHairlines();
    hairlines_.AddLine(from, position_);
    if (hairlines_.Held() >= kHairlineBatchLimit) Flush();
  } else {
    UsePen();
    painter_.drawLine(from, position_);  // a wide pen's dot is drawn as a line without length
  }
}

void QtCanvas::Polyline(std::span<const kw::pathcore::CanvasPoint> points) {
  if (points.size() < 2 || tools_.pen.style == kw::pathcore::kPenNull) return;
  if (PenIsHairline()) {
    HoldHairlines();
    hairlines_.AddPolyline(points);
    if (hairlines_.Held() >= kHairlineBatchLimit) Flush();
  } else {
    UsePen();
    painter_.drawPolyline(ToPolygon(points));
  }
}

void QtCanvas::Polygon(std::span<const kw::pathcore::CanvasPoint> points) {
  UsePen();
  UseBrush();
  painter_.drawPolygon(ToPolygon(points), Qt::OddEvenFill);
}

void QtCanvas::PolyPolygon(std::span<const kw::pathcore::CanvasPoint> points, std::span<const int32_t> counts) {
  UsePen();
  UseBrush();
  QPainterPath path;
  path.setFillRule(Qt::OddEvenFill);
  size_t at = 0;
  for (const int32_t count : counts) {
    if (count <= 0 || at + static_cast<size_t>(count) > points.size()) break;
    path.addPolygon(ToPolygon(points.subspan(at, static_cast<size_t>(count))));
    path.closeSubpath();
    at += static_cast<size_t>(count);
  }
  painter_.drawPath(path);
}

void QtCanvas::Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  UsePen();
  UseBrush();
  painter_.drawEllipse(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
}

void QtCanvas::Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  UsePen();
  UseBrush();
  painter_.drawRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
}

void QtCanvas::StretchImage(int32_t x, int32_t y, int32_t width, int32_t height,
                            const kw::pathcore::BmpPicture& picture) {
  if (picture.Width <= 0 || picture.Height <= 0) return;
  if (picture.Rgb.size() < static_cast<size_t>(picture.Width) * static_cast<size_t>(picture.Height)) return;
  Flush();
  QImage image(picture.Width, picture.Height, QImage::Format_RGB32);
  for (int32_t row = 0; row < picture.Height; ++row) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
    for (int32_t col = 0; col < picture.Width; ++col) {
      line[col] = 0xFF000000u | picture.Rgb[static_cast<size_t>(row) * static_cast<size_t>(picture.Width) + col];
    }
  }
  painter_.drawImage(QRect(x, y, width, height), image);
}

}  // namespace kw
