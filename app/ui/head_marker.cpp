#include "head_marker.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "pic_view.h"

namespace kw {
namespace {

constexpr int kSize = 16;  // pixels

}  // namespace

HeadMarker::HeadMarker(PicView& view) : QWidget(&view), view_(view) {
  setObjectName("Pen1");
  setFixedSize(kSize, kSize);
  // The view's mouse tools work under the marker as if it were not there.
  setAttribute(Qt::WA_TransparentForMouseEvents);
  hide();
}

void HeadMarker::PlaceAt(double x, double y) {
  const double width = std::max(view_.width(), 1), height = std::max(view_.height(), 1);
  const double px = (x - view_.ViewLeft) * width / view_.ViewWidth;
  const double py = (y - view_.ViewTop) * height / view_.ViewHeight;
  // Far outside the view the marker stays at its edge rather than wrapping round.
  const auto clamp = [](double v) { return static_cast<int>(std::clamp(v, -1e6, 1e6)); };
  move(clamp(std::floor(px)), clamp(std::floor(py)) - kSize + 1);
}

void HeadMarker::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  // A pen lying from the top-right corner down to its tip at the bottom left.
  QPainterPath body;
  body.moveTo(0.5, kSize - 0.5);
  body.lineTo(4, kSize - 8);
  body.lineTo(kSize - 3, 1);
  body.lineTo(kSize - 1, 3);
  body.lineTo(8, kSize - 4);
  body.closeSubpath();
  painter.setPen(QPen(Qt::darkRed, 1));
  painter.setBrush(QColor(230, 40, 40));
  painter.drawPath(body);
}

}  // namespace kw
