#include "line_stamps.h"

#include <QImage>
#include <QPainter>

namespace kw {

const LineStamps& LineStamps::Hairlines() {
  static const LineStamps stamps;
  return stamps;
}

LineStamps::LineStamps() {
  constexpr int kMargin = 2;  // room for the end pixels the painter adds
  constexpr int kSize = kSide + 2 * kMargin;
  const QPoint origin(kReach + kMargin, kReach + kMargin);
  for (int dy = -kReach; dy <= kReach; ++dy) {
    for (int dx = -kReach; dx <= kReach; ++dx) {
      QImage image(kSize, kSize, QImage::Format_RGB32);
      image.fill(Qt::white);
      {
        QPainter painter(&image);
        painter.setPen(QPen(Qt::black, 1));
        if (dx != 0 || dy != 0) painter.drawLine(origin, origin + QPoint(dx, dy));
      }
      Range& range = ranges_[Index(dx, dy)];
      range.first = static_cast<uint16_t>(offsets_.size());
      for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
          if (image.pixel(x, y) != qRgb(255, 255, 255)) offsets_.push_back(QPoint(x, y) - origin);
        }
      }
      range.count = static_cast<uint16_t>(offsets_.size() - range.first);
    }
  }
}

}  // namespace kw
