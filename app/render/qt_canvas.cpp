#include "render/qt_canvas.h"

#include <QImage>
#include <QPainterPath>
#include <QPolygon>

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

QPolygon ToPolygon(std::span<const kw::pathcore::CanvasPoint> points) {
  QPolygon polygon;
  polygon.reserve(static_cast<qsizetype>(points.size()));
  for (const auto& p : points) polygon << QPoint(p.x, p.y);
  return polygon;
}

}  // namespace

QtCanvas::QtCanvas(QPainter& painter) : painter_(painter) {
  SetPen(tools_.pen);
  SetBrush(tools_.brush);
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

void QtCanvas::SetPen(const kw::pathcore::CanvasPen& pen) {
  tools_.pen = pen;
  QPen qpen(ToQColor(pen.color));
  qpen.setWidth(pen.width < 1 ? 1 : pen.width);
  qpen.setStyle(ToQtStyle(pen.style));
  painter_.setPen(qpen);
}

void QtCanvas::SetBrush(const kw::pathcore::CanvasBrush& brush) {
  tools_.brush = brush;
  painter_.setBrush(brush.hollow ? QBrush(Qt::NoBrush) : QBrush(ToQColor(brush.color)));
}

void QtCanvas::LineTo(int32_t x, int32_t y) {
  const QPoint to(x, y);
  painter_.drawLine(position_, to);
  position_ = to;
}

void QtCanvas::Polyline(std::span<const kw::pathcore::CanvasPoint> points) {
  if (points.size() < 2) return;
  painter_.drawPolyline(ToPolygon(points));
}

void QtCanvas::Polygon(std::span<const kw::pathcore::CanvasPoint> points) {
  painter_.drawPolygon(ToPolygon(points), Qt::OddEvenFill);
}

void QtCanvas::PolyPolygon(std::span<const kw::pathcore::CanvasPoint> points, std::span<const int32_t> counts) {
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
  painter_.drawEllipse(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
}

void QtCanvas::Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  painter_.drawRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
}

void QtCanvas::StretchImage(int32_t x, int32_t y, int32_t width, int32_t height,
                            const kw::pathcore::BmpPicture& picture) {
  if (picture.Width <= 0 || picture.Height <= 0) return;
  if (picture.Rgb.size() < static_cast<size_t>(picture.Width) * static_cast<size_t>(picture.Height)) return;
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
