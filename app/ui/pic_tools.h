// The drawing view's mouse tools: selecting by click and by a two-click
// rubber band, zooming, panning, the window zoom, the start point, and
// scaling or moving the selection by its handles.
#pragma once

#include <QCursor>

#include "pic_view.h"
#include "selection_handles.h"

namespace kw {

class frmMain;

class PicTools : public PicMouse {
 public:
  explicit PicTools(frmMain& window) : w_(window) {}

  void MouseDown(Qt::MouseButton button, bool ctrl, double x, double y) override;
  void MouseMove(Qt::MouseButtons buttons, double x, double y) override;
  void MouseUp(Qt::MouseButton button, bool ctrl, double x, double y) override;
  void FocusLost() override;

  // The rubber band's state: 0 idle, 1 first corner placed, 2 second corner placed.
  int16_t BandState = 0;
  // Back to idle, the band gone from the view (the window-zoom command does this).
  void ResetBand();
  // The cursor of the current tool over (x, y).
  QCursor CursorAt(double x, double y) const;

 private:
  void RightDown();
  void SelectDown(bool ctrl, double x, double y);
  void BandDown(double x, double y);
  void HandleUp(bool ctrl, double x, double y);
  void ShowPanels(double x, double y);
  Frame SelectionFrame() const;

  frmMain& w_;
  double pressX_ = 0, pressY_ = 0;    // PressPoint, mm
  double cornerX_ = 0, cornerY_ = 0;  // BandCorner, mm
  double lastX_ = 0, lastY_ = 0;      // LastPoint, mm
};

}  // namespace kw
