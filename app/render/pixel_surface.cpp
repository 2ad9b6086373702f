#include "render/pixel_surface.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QRegion>
#include <QTransform>
#include <cmath>
#include <cstdlib>

#include "line_stamps.h"

namespace kw {
namespace {

bool PlainImageFormat(QImage::Format format) {
  return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
         format == QImage::Format_ARGB32_Premultiplied;
}

// Whole-pixel offset of the painter's coordinates on its device, if that is all
// the transformation there is (the window's backing store adds the view's place).
std::optional<QPoint> WholePixelOffset(const QPainter& painter) {
  const QTransform& t = painter.deviceTransform();
  if (t.type() > QTransform::TxTranslate) return std::nullopt;
  if (t.dx() != std::round(t.dx()) || t.dy() != std::round(t.dy())) return std::nullopt;
  return QPoint(static_cast<int>(t.dx()), static_cast<int>(t.dy()));
}

// Where the painter may paint, in image pixels: the image, within the
// window's region being repainted and the painter's own clip.
QRegion PaintableRegion(const QPainter& painter, const QImage& image, QPoint offset) {
  QRegion region(image.rect());
  const QRegion system = painter.paintEngine()->systemClip();
  if (!system.isEmpty()) region &= system;
  if (painter.hasClipping()) region &= painter.clipRegion().translated(offset);
  return region;
}

}  // namespace

std::optional<PixelSurface> PixelSurface::Of(const QPainter& painter) {
  QPaintEngine* engine = painter.paintEngine();
  if (!painter.isActive() || !engine || engine->type() != QPaintEngine::Raster) return std::nullopt;
  QPaintDevice* device = engine->paintDevice();
  if (!device || device->devType() != QInternal::Image) return std::nullopt;
  auto* image = static_cast<QImage*>(device);
  if (!PlainImageFormat(image->format()) || image->devicePixelRatio() != 1) return std::nullopt;
  if (painter.compositionMode() != QPainter::CompositionMode_SourceOver || painter.opacity() != 1) return std::nullopt;
  const auto offset = WholePixelOffset(painter);
  if (!offset) return std::nullopt;
  const QRegion region = PaintableRegion(painter, *image, *offset);
  // The engine writes to the buffer it found when painting began; constBits
  // names that buffer without detaching the image from a copy taken since.
  auto* bits = const_cast<uchar*>(image->constBits());
  return PixelSurface(bits, image->bytesPerLine(), *offset, std::vector<QRect>(region.begin(), region.end()));
}

PixelSurface::PixelSurface(uchar* bits, qsizetype bytesPerLine, QPoint offset, std::vector<QRect> clip)
    : bits_(bits), bytesPerLine_(bytesPerLine), offset_(offset), clip_(std::move(clip)) {}

void PixelSurface::Set(std::span<const QPoint> points, QRgb colour) {
  const uint32_t pixel = 0xFF000000u | colour;
  for (const QRect& rect : clip_) SetWithin(points, pixel, rect);
}

void PixelSurface::SetWithin(std::span<const QPoint> points, uint32_t pixel, const QRect& rect) {
  const QRect painterRect = rect.translated(-offset_);
  const int left = painterRect.left(), right = painterRect.right(), top = painterRect.top(), bottom = painterRect.bottom();
  for (const QPoint& p : points) {
    if (p.x() >= left && p.x() <= right && p.y() >= top && p.y() <= bottom) Pixel(p) = pixel;
  }
}

bool PixelSurface::Unclipped(const QRect& painterRect) const {
  const QRect rect = painterRect.translated(offset_);
  for (const QRect& clip : clip_) {
    if (clip.contains(rect)) return true;
  }
  return false;
}

void PixelSurface::SetLines(std::span<const QLine> lines, QRgb colour, std::vector<QLine>& forPainter) {
  const LineStamps& stamps = LineStamps::Hairlines();
  const uint32_t pixel = 0xFF000000u | colour;
  for (const QLine& line : lines) {
    const int dx = line.dx(), dy = line.dy();
    const bool shortLine = std::abs(dx) <= LineStamps::kReach && std::abs(dy) <= LineStamps::kReach;
    // With a pixel to spare around the ends the painter would add.
    if (!shortLine || !Unclipped(QRect(line.p1(), line.p2()).normalized().adjusted(-1, -1, 1, 1))) {
      forPainter.push_back(line);
      continue;
    }
    for (const QPoint& offset : stamps.Of(dx, dy)) Pixel(line.p1() + offset) = pixel;
  }
}

}  // namespace kw
