// The drawing view "Pic": the work table and the document's paths under a
// view transform of document millimetres (Y upwards) onto the widget's pixels.
#pragma once

#include <QWidget>

namespace kw::pathcore {
class CPathObj;
}

namespace kw {

class QtCanvas;

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
  // Clears the view and draws it again.
  void RefreshPic();

  // A pixel of the view in document millimetres.
  QPointF ToDocument(QPointF pixel) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void ZoomAbout(float X, float Y, float factor);
  void ComputePickTol();
  void DrawToPic(QPainter& painter);
  void DrawSelectionFrame(QtCanvas& canvas);
  void DrawStartCorner(QtCanvas& canvas);
  // A document point in pixels of the view.
  QPointF ToPixel(double X, double Y) const;
  void DrawLine(QtCanvas& canvas, double x1, double y1, double x2, double y2);

  kw::pathcore::CPathObj* doc_ = nullptr;
};

}  // namespace kw
