// "Pen1": the head's marker over the drawing view, a small pen whose tip,
// the marker's bottom-left corner, stands where the head is.
#pragma once

#include <QWidget>

namespace kw {

class PicView;

class HeadMarker : public QWidget {
  Q_OBJECT
 public:
  explicit HeadMarker(PicView& view);

  // Puts the tip at the head's position, in the view's millimetres.
  void PlaceAt(double x, double y);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  PicView& view_;
};

}  // namespace kw
