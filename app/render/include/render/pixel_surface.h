// The pixels under a painter, for setting single pixels without a trip
// through the painter: a big drawing seen whole is mostly specks of one or two
// pixels, and Qt spends far longer per speck than setting it costs. Only
// available when Qt's raster engine paints onto a 32-bit image with nothing
// but a whole-pixel offset in between, as it does for the program's window
// (its backing store) and for pictures drawn into a QImage.
#pragma once

#include <QLine>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

class QPainter;

namespace kw {

class PixelSurface {
 public:
  // The painter's pixels, or nothing when the painter does not draw plain
  // pixels straight onto an image.
  static std::optional<PixelSurface> Of(const QPainter& painter);

  // Sets each point's pixel (painter coordinates) to the opaque colour,
  // leaving out what lies outside the painter's clip.
  void Set(std::span<const QPoint> points, QRgb colour);

  // Sets the pixels of the short lines (thin, solid, without antialiasing)
  // exactly as the painter would; lines too long, or near the clip's edge
  // where the painter cuts them, are added to `forPainter` instead.
  void SetLines(std::span<const QLine> lines, QRgb colour, std::vector<QLine>& forPainter);

 private:
  PixelSurface(uchar* bits, qsizetype bytesPerLine, QPoint offset, std::vector<QRect> clip);
  void SetWithin(std::span<const QPoint> points, uint32_t pixel, const QRect& rect);
  bool Unclipped(const QRect& painterRect) const;
  uint32_t& Pixel(QPoint painterPoint) {
    auto* row = reinterpret_cast<uint32_t*>(bits_ + (painterPoint.y() + offset_.y()) * bytesPerLine_);
    return row[painterPoint.x() + offset_.x()];
  }

  uchar* bits_;
  qsizetype bytesPerLine_;
  QPoint offset_;           // painter coordinates to image pixels
  std::vector<QRect> clip_;  // image pixels that may be painted
};

}  // namespace kw
