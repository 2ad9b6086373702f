// The drawing view "Pic": the work table and the document's paths under a
// view transform of document millimetres (Y upwards) onto the widget's pixels.
#pragma once

#include <QImage>
#include <QWidget>

namespace kw::pathcore {
class CPathObj;
}

namespace kw {

class QtCanvas;

// What the view's mouse handling is told; points in document millimetres.
class PicMouse {
 public:
  virtual ~PicMouse() = default;
  virtual void MouseDown(Qt::MouseButton button, bool ctrl, double x, double y) = 0;
  virtual void MouseMove(Qt::MouseButtons buttons, double x, double y) = 0;
  virtual void MouseUp(Qt::MouseButton button, bool ctrl, double x, double y) = 0;
  virtual void FocusLost() = 0;
};

// Drawn over the document without touching its picture: the red rubber
// band, or the black frame a handle drag would give.
struct PicOverlay {
  enum Kind { kNone, kBand, kFrame } kind = kNone;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // mm, two opposite corners
};

class PicView : public QWidget {
  Q_OBJECT
 public:
  explicit PicView(QWidget* parent = nullptr);

  void SetDocument(kw::pathcore::CPathObj* doc);

  // The transform: X at the left edge, Y at the top edge (mm), and the
  // document width and height across the view (mm; the height negative).
  float ViewLeft = 0, ViewTop = 900, ViewWidth = 1200, ViewHeight = -900;
  // The hit tolerance: six pixels in millimetres.
  float PickTol = 0;

  // Fits the rectangle (X1 >= X2, Y1 >= Y2) into the view, centred, 20 % margin.
  void ZoomToRect(double X1, double Y1, double X2, double Y2);
  void ShowAll();    // the document's extent
  void ShowTable();  // the whole work table
  void PicZoomIn(float X, float Y);
  void PicZoomOut(float X, float Y);
  // Zooms to the rectangle of two opposite corners; nothing when they share an X or a Y.
  void PicZoomWin(float X1, float Y1, float X2, float Y2);
  // With the left button held, moves the view so that the document point
  // (MX, MY) grabbed at the press lies under the pointer at (X, Y).
  void PicPan(Qt::MouseButtons Button, float X, float Y, float MX, float MY);
  // Clears the view and draws it again.
  void RefreshPic();

  void SetMouse(PicMouse* mouse) { mouse_ = mouse; }
  // Shows the overlay over the unchanged picture of the document.
  void SetOverlay(const PicOverlay& overlay);
  const PicOverlay& Overlay() const { return overlay_; }

  // A pixel of the view in document millimetres.
  QPointF ToDocument(QPointF pixel) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void ZoomAbout(float X, float Y, float factor);
  void ComputePickTol();
  void DrawToPic(QPainter& painter);
  // The document's picture, drawn again only when it is out of date.
  const QImage& Picture();
  void DrawOverlay(QPainter& painter) const;
  void DrawSelectionFrame(QtCanvas& canvas);
  void DrawStartCorner(QtCanvas& canvas);
  // A document point in pixels of the view.
  QPointF ToPixel(double X, double Y) const;
  void DrawLine(QtCanvas& canvas, double x1, double y1, double x2, double y2);

  kw::pathcore::CPathObj* doc_ = nullptr;
  PicMouse* mouse_ = nullptr;
  PicOverlay overlay_;
  QImage picture_;
  bool pictureValid_ = false;
};

}  // namespace kw
