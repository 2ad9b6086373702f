#include "pic_view.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <utility>
#include <vector>

#include "machine/layer_tables.h"
#include "machine/machine_settings.h"
#include "pathcore/path_obj.h"
#include "render/qt_canvas.h"
#include "render/view_fit.h"

namespace kw {
namespace {

constexpr double kTwipsPerPixel = 15;
constexpr uint32_t kTableColor = kw::pathcore::Rgb(255, 255, 255);
constexpr uint32_t kMoveColor = 65280;
constexpr uint32_t kSelectedColor = 32639;
constexpr uint32_t kStartMarkColor = 32767;

}  // namespace

PicView::PicView(QWidget* parent) : QWidget(parent) {
  setObjectName("Pic");
  setAutoFillBackground(false);
  setFocusPolicy(Qt::StrongFocus);
  // The position panel follows the pointer, pressed or not.
  setMouseTracking(true);
  setMinimumSize(200, 150);
  ComputePickTol();
}

void PicView::SetDocument(kw::pathcore::CPathObj* doc) {
  doc_ = doc;
  RefreshPic();
}

void PicView::ZoomToRect(double X1, double Y1, double X2, double Y2) {
  const double aspect = static_cast<double>(std::max(width(), 1)) / std::max(height(), 1);
  const ViewRect v = kw::ZoomToRect(X1, Y1, X2, Y2, aspect);
  ViewLeft = static_cast<float>(v.left);
  ViewTop = static_cast<float>(v.top);
  ViewWidth = static_cast<float>(v.width);
  ViewHeight = static_cast<float>(v.height);
  ComputePickTol();
  RefreshPic();
}

void PicView::ShowAll() {
  if (doc_) ZoomToRect(doc_->Xmax(), doc_->Ymax(), doc_->Xmin(), doc_->Ymin());
}

void PicView::ShowTable() {
  const auto& s = Settings();
  ZoomToRect(0, s.WorkRect[1], -s.WorkRect[0], 0);
}

void PicView::PicZoomIn(float X, float Y) { ZoomAbout(X, Y, 0.8f); }
void PicView::PicZoomOut(float X, float Y) { ZoomAbout(X, Y, 1.25f); }

void PicView::ZoomAbout(float X, float Y, float factor) {
  const float fx = (X - ViewLeft) / ViewWidth, fy = (Y - ViewTop) / ViewHeight;
  ViewWidth *= factor;
  ViewHeight *= factor;
  ViewLeft = X - fx * ViewWidth;
  ViewTop = Y - fy * ViewHeight;
  ComputePickTol();
}

void PicView::PicZoomWin(float X1, float Y1, float X2, float Y2) {
  if (X1 == X2 || Y1 == Y2) return;
  if (X1 < X2) std::swap(X1, X2);
  if (Y1 < Y2) std::swap(Y1, Y2);
  ZoomToRect(X1, Y1, X2, Y2);
}

void PicView::PicPan(Qt::MouseButtons Button, float X, float Y, float MX, float MY) {
  if (!(Button & Qt::LeftButton)) return;
  ViewLeft += MX - X;
  ViewTop += MY - Y;
}

void PicView::ComputePickTol() {
  PickTol = static_cast<float>(kTwipsPerPixel / (std::max(width(), 1) * kTwipsPerPixel) * ViewWidth * 6);
}

void PicView::RefreshPic() {
  pictureValid_ = false;
  update();
}

void PicView::SetOverlay(const PicOverlay& overlay) {
  overlay_ = overlay;
  update();
}

QPointF PicView::ToDocument(QPointF pixel) const {
  return {ViewLeft + pixel.x() * ViewWidth / std::max(width(), 1),
          ViewTop + pixel.y() * ViewHeight / std::max(height(), 1)};
}

void PicView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, Picture());
  DrawOverlay(painter);
}

const QImage& PicView::Picture() {
  const qreal ratio = devicePixelRatioF();
  const QSize pixels = size() * ratio;
  if (!pictureValid_ || picture_.size() != pixels) {
    picture_ = QImage(pixels, QImage::Format_RGB32);
    picture_.setDevicePixelRatio(ratio);
    QPainter painter(&picture_);
    // Grey around the white work table, so the table's edges show.
    painter.fillRect(rect(), QColor(224, 224, 224));
    DrawToPic(painter);
    pictureValid_ = true;
  }
  return picture_;
}

void PicView::DrawOverlay(QPainter& painter) const {
  if (overlay_.kind == PicOverlay::kNone) return;
  const QPointF a = ToPixel(overlay_.x1, overlay_.y1), b = ToPixel(overlay_.x2, overlay_.y2);
  painter.setPen(QPen(overlay_.kind == PicOverlay::kBand ? Qt::red : Qt::black, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(a, b).normalized());
}

void PicView::resizeEvent(QResizeEvent*) {
  if (doc_ && doc_->Count() == 0) {
    ShowTable();
  } else {
    ComputePickTol();
    RefreshPic();
  }
}

void PicView::mousePressEvent(QMouseEvent* event) {
  const QPointF at = ToDocument(event->position());
  if (mouse_) mouse_->MouseDown(event->button(), event->modifiers() & Qt::ControlModifier, at.x(), at.y());
}

void PicView::mouseMoveEvent(QMouseEvent* event) {
  const QPointF at = ToDocument(event->position());
  if (mouse_) mouse_->MouseMove(event->buttons(), at.x(), at.y());
}

void PicView::mouseReleaseEvent(QMouseEvent* event) {
  const QPointF at = ToDocument(event->position());
  if (mouse_) mouse_->MouseUp(event->button(), event->modifiers() & Qt::ControlModifier, at.x(), at.y());
}

void PicView::focusOutEvent(QFocusEvent* event) {
  // A menu opening over the view is no leaving it.
  if (mouse_ && event->reason() != Qt::PopupFocusReason) mouse_->FocusLost();
  QWidget::focusOutEvent(event);
}

void PicView::wheelEvent(QWheelEvent* event) {
  const QPointF at = ToDocument(event->position());
  // Turned toward the user: zoom out, as a map does.
  if (event->angleDelta().y() < 0) {
    PicZoomOut(static_cast<float>(at.x()), static_cast<float>(at.y()));
  } else if (event->angleDelta().y() > 0) {
    PicZoomIn(static_cast<float>(at.x()), static_cast<float>(at.y()));
  }
  RefreshPic();
  event->accept();
}

void PicView::DrawToPic(QPainter& painter) {
  if (!doc_) return;
  QtCanvas canvas(painter);
  const float widthTw = static_cast<float>(width() * canvas.TwipsPerPixelX());
  const float heightTw = static_cast<float>(height() * canvas.TwipsPerPixelY());
  const auto& s = Settings();
  doc_->DrawRect(canvas, kTableColor, ViewLeft, ViewTop, ViewWidth, ViewHeight, widthTw, heightTw, 0, 0,
                 -s.WorkRect[0], s.WorkRect[1], true);
  std::vector<int32_t> colors;
  CutLayers().GetColor(colors);
  doc_->Draw(canvas, kMoveColor, colors, kSelectedColor, kStartMarkColor, ViewLeft, ViewTop, ViewWidth, ViewHeight,
             widthTw, heightTw, PickTol);
  if (doc_->SelCount() >= 1) DrawSelectionFrame(canvas);
  DrawStartCorner(canvas);
}

void PicView::DrawSelectionFrame(QtCanvas& canvas) {
  const float widthTw = static_cast<float>(width() * canvas.TwipsPerPixelX());
  const float heightTw = static_cast<float>(height() * canvas.TwipsPerPixelY());
  const double right = doc_->SelXmax(), top = doc_->SelYMax(), left = doc_->SelXMin(), bottom = doc_->SelYMin();
  const double midX = left + (right - left) / 2, midY = bottom + (top - bottom) / 2;
  doc_->DrawRect(canvas, 0, ViewLeft, ViewTop, ViewWidth, ViewHeight, widthTw, heightTw, static_cast<float>(right),
                 static_cast<float>(top), static_cast<float>(left), static_cast<float>(bottom));
  canvas.SetPen({0, 5});
  for (const double x : {left, midX, right}) {
    for (const double y : {bottom, midY, top}) {
      if (x == midX && y == midY) continue;
      const QPointF p = ToPixel(x, y);
      canvas.MoveTo(static_cast<int32_t>(p.x()), static_cast<int32_t>(p.y()));
      canvas.LineTo(static_cast<int32_t>(p.x()), static_cast<int32_t>(p.y()));
    }
  }
  canvas.SetPen({kw::pathcore::Rgb(0, 0, 255), 2});
  const double t = PickTol;
  DrawLine(canvas, midX - t, midY + t, midX + 1.5 * t, midY - 1.5 * t);
  DrawLine(canvas, midX - t, midY - 1.5 * t, midX + 1.5 * t, midY + t);
  canvas.SetPen({0, 1});
}

void PicView::DrawStartCorner(QtCanvas& canvas) {
  const bool empty = doc_->Count() == 0;
  const QPointF p = empty ? ToPixel(0, 0) : ToPixel(doc_->Xmax(), doc_->Ymin());
  canvas.SetPen({kw::pathcore::Rgb(0, 0, 255), 5});
  canvas.MoveTo(static_cast<int32_t>(p.x()), static_cast<int32_t>(p.y()));
  canvas.LineTo(static_cast<int32_t>(p.x()), static_cast<int32_t>(p.y()));
  canvas.SetPen({0, 1});
}

QPointF PicView::ToPixel(double X, double Y) const {
  return {(X - ViewLeft) / ViewWidth * width(), (Y - ViewTop) / ViewHeight * height()};
}

void PicView::DrawLine(QtCanvas& canvas, double x1, double y1, double x2, double y2) {
  const QPointF a = ToPixel(x1, y1), b = ToPixel(x2, y2);
  canvas.MoveTo(static_cast<int32_t>(a.x()), static_cast<int32_t>(a.y()));
  canvas.LineTo(static_cast<int32_t>(b.x()), static_cast<int32_t>(b.y()));
}

}  // namespace kw
