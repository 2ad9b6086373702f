#include "pic_tools.h"

#include <QPixmap>

#include "frm_main.h"
#include "pathcore/path_obj.h"
#include "edit_commands.h"
#include "view_status_text.h"

namespace kw {
namespace {

// The tools of the window (MouseTool) that the view tells apart.
enum Tool : int16_t { kSelect = 0, kZoomIn = 1, kZoomOut = 2, kPan = 3, kWindowZoom = 4, kStartPoint = 5 };

bool IsHandle(int16_t tool) { return tool >= kTopLeft && tool <= kCentre; }

QCursor HandleCursor(Handle handle) {
  switch (handle) {
    case kTopLeft:
    case kBottomRight: return Qt::SizeFDiagCursor;
    case kTopRight:
    case kBottomLeft: return Qt::SizeBDiagCursor;
    case kLeftMiddle:
    case kRightMiddle: return Qt::SizeHorCursor;
    case kTopMiddle:
    case kBottomMiddle: return Qt::SizeVerCursor;
    case kCentre: break;
  }
  return Qt::SizeAllCursor;
}

// A cursor drawn from one of the toolbar's images, its hot spot at the lens's centre.
QCursor IconCursor(const char* key) {
  return QCursor(QIcon(QString(":/icons/%1.svg").arg(key)).pixmap(24, 24), 10, 10);
}

}  // namespace

void PicTools::MouseDown(Qt::MouseButton button, bool ctrl, double x, double y) {
  auto& pic = w_.Pic();
  if (button == Qt::RightButton) {
    RightDown();
  } else if (button == Qt::LeftButton) {
    switch (w_.MouseTool) {
      case kSelect:
        SelectDown(ctrl, x, y);
        if (IsHandle(w_.MouseTool)) return;  // a handle drag starts without a redraw
        break;
      case kZoomIn: pic.PicZoomIn(static_cast<float>(x), static_cast<float>(y)); break;
      case kZoomOut: pic.PicZoomOut(static_cast<float>(x), static_cast<float>(y)); break;
      case kPan: lastX_ = x, lastY_ = y; break;
      case kWindowZoom: BandDown(x, y); break;
      case kStartPoint:
        w_.MainDoc().SetStartP(static_cast<float>(x), static_cast<float>(y), pic.PickTol);
        w_.CommitEdit();
        return;
      default: break;
    }
  }
  pic.RefreshPic();
}

void PicTools::RightDown() {
  if (BandState >= 1) {
    ResetBand();
  } else if (w_.MouseTool != kSelect) {
    // A handle dragged so far leaves no preview frame behind.
    if (IsHandle(w_.MouseTool)) w_.Pic().SetOverlay({});
    w_.MouseTool = kSelect;
  } else {
    w_.MainDoc().CancelSel();
    w_.FaceChange();
  }
  w_.Pic().setCursor(CursorAt(lastX_, lastY_));
}

void PicTools::SelectDown(bool ctrl, double x, double y) {
  auto& doc = w_.MainDoc();
  if (BandState == 1) {
    BandState = 2;
    cornerX_ = x, cornerY_ = y;
    return;
  }
  if (BandState == 0 && doc.SelCount() > 0) {
    if (const auto handle = HandleAt(SelectionFrame(), x, y, w_.Pic().PickTol)) {
      w_.MouseTool = *handle;
      pressX_ = lastX_ = x;
      pressY_ = lastY_ = y;
      return;
    }
  }
  if (doc.PointSel(x, y, w_.Pic().PickTol, ctrl)) {
    doc.ZLSelLmt();
    w_.FaceChange();
  } else {
    BandState = 1;
    pressX_ = x, pressY_ = y;
  }
  lastX_ = x, lastY_ = y;
}

void PicTools::BandDown(double x, double y) {
  if (BandState == 0) {
    BandState = 1;
    pressX_ = x, pressY_ = y;
  } else if (BandState == 1) {
    BandState = 2;
    cornerX_ = x, cornerY_ = y;
  }
  lastX_ = x, lastY_ = y;
}

void PicTools::MouseMove(Qt::MouseButtons buttons, double x, double y) {
  ShowPanels(x, y);
  auto& pic = w_.Pic();
  const int16_t tool = w_.MouseTool;
  if ((tool == kSelect || tool == kWindowZoom) && BandState == 1) {
    pic.SetOverlay({PicOverlay::kBand, pressX_, pressY_, x, y});
    lastX_ = x, lastY_ = y;
  } else if (tool == kPan) {
    pic.PicPan(buttons, static_cast<float>(x), static_cast<float>(y), static_cast<float>(lastX_),
               static_cast<float>(lastY_));
    if (buttons & Qt::LeftButton) pic.RefreshPic();
  } else if (IsHandle(tool)) {
    const Frame f = DraggedFrame(SelectionFrame(), static_cast<Handle>(tool), x, y, pressX_, pressY_);
    pic.SetOverlay({PicOverlay::kFrame, f.left, f.top, f.right, f.bottom});
    lastX_ = x, lastY_ = y;
  }
  pic.setCursor(CursorAt(x, y));
}

void PicTools::MouseUp(Qt::MouseButton button, bool ctrl, double x, double y) {
  if (button != Qt::LeftButton) return;
  auto& doc = w_.MainDoc();
  const int16_t tool = w_.MouseTool;
  if (tool == kSelect && BandState == 2) {
    if (doc.FaceSel(pressX_, pressY_, cornerX_, cornerY_, w_.Pic().PickTol, ctrl)) {
      doc.ZLSelLmt();
      w_.RefreshPic();
    }
    ResetBand();
    w_.FaceChange();
  } else if (tool == kWindowZoom && BandState == 2) {
    ResetBand();
    w_.Pic().PicZoomWin(static_cast<float>(pressX_), static_cast<float>(pressY_), static_cast<float>(cornerX_),
                        static_cast<float>(cornerY_));
    w_.FaceChange();
  } else if (IsHandle(tool)) {
    HandleUp(ctrl, x, y);
  }
}

void PicTools::HandleUp(bool ctrl, double x, double y) {
  auto& doc = w_.MainDoc();
  const auto handle = static_cast<Handle>(w_.MouseTool);
  w_.MouseTool = kSelect;
  w_.Pic().SetOverlay({});
  if (handle == kCentre) {
    if (!ctrl) {
      doc.Block_Move(static_cast<float>(x - pressX_), static_cast<float>(y - pressY_));
      doc.ZLSelLmt();
      w_.CommitEdit();
    }
  } else {
    const HandleScale s = ScaleOfDrop(SelectionFrame(), handle, lastX_, lastY_);
    if (!ctrl) {
      doc.Block_Scale(s.kx, s.ky, s.center);
      doc.ZLSelLmt();
      w_.CommitEdit();
    } else if (!w_.Edits().ScaleWithDialog(s.kx, s.ky, s.center, s.corner)) {
      w_.CommitEdit();
    }
  }
  w_.RefreshPic();
}

void PicTools::FocusLost() {
  w_.MouseTool = kSelect;
  ResetBand();
}

void PicTools::ResetBand() {
  BandState = 0;
  w_.Pic().SetOverlay({});
}

void PicTools::ShowPanels(double x, double y) {
  const auto& doc = w_.MainDoc();
  w_.SetPanelText("POS", QString::fromStdString(PositionText(x, y)));
  w_.SetPanelText("Size", QString::fromStdString(SizeText(doc.Xmax() - doc.Xmin(), doc.Ymax() - doc.Ymin())));
}

Frame PicTools::SelectionFrame() const {
  const auto& doc = w_.MainDoc();
  return {doc.SelXMin(), doc.SelXmax(), doc.SelYMin(), doc.SelYMax()};
}

QCursor PicTools::CursorAt(double x, double y) const {
  const auto& doc = w_.MainDoc();
  switch (w_.MouseTool) {
    case kSelect:
      if (BandState == 0 && doc.SelCount() > 0) {
        if (const auto handle = HandleAt(SelectionFrame(), x, y, w_.Pic().PickTol)) return HandleCursor(*handle);
      }
      return Qt::ArrowCursor;
    case kZoomIn: return IconCursor("ZOOMIN");
    case kZoomOut: return IconCursor("ZOOMOUT");
    case kPan: return Qt::OpenHandCursor;
    case kWindowZoom: return Qt::CrossCursor;
    case kStartPoint: return doc.PointTest(x, y, w_.Pic().PickTol) ? Qt::PointingHandCursor : Qt::CrossCursor;
    default: return HandleCursor(static_cast<Handle>(w_.MouseTool));
  }
}

}  // namespace kw
