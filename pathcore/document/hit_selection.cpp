// Selection by clicking and by dragging a rectangle, and the click test that
// changes nothing.
#include "pathcore/path_obj.h"
#include "document/path_store.h"

namespace kw::pathcore {

bool CPathObj::PointTest(double X, double Y, double Wc) const {
  for (int32_t k = 1; k <= S.ObjN; ++k) {
    if (S.ObjHitByPoint(k, X, Y, Wc)) return true;
  }
  return false;
}

bool CPathObj::PointSel(double X, double Y, double Wc, bool C) {
  if (!C) CancelSel();
  for (int32_t k = 1; k <= S.ObjN; ++k) {
    if (!S.ObjHitByPoint(k, X, Y, Wc)) continue;
    if (S.ObjSel[k] > 0) {  // a click on a selected object takes it out of the selection
      S.ObjSel[k] = kUnselected;
      return true;
    }
    for (int32_t j = 1; j <= S.ObjN; ++j) {
      if (S.ObjSel[j] == kCurrent) S.ObjSel[j] = kSelected;
    }
    S.ObjSel[k] = kCurrent;
    return true;
  }
  return false;
}

bool CPathObj::FaceSel(double X1, double Y1, double X2, double Y2, double Wc, bool C) {
  (void)Wc;  // a rectangle has no tolerance
  if (!C) CancelSel();
  bool added = false;
  for (int32_t k = 1; k <= S.ObjN; ++k) {
    if (!S.ObjHitByRect(k, X1, Y1, X2, Y2)) continue;
    if (S.ObjSel[k] > 0) {
      S.ObjSel[k] = kUnselected;
      continue;
    }
    if (!added) {
      for (int32_t j = 1; j <= S.ObjN; ++j) {
        if (S.ObjSel[j] == kCurrent) {
          S.ObjSel[j] = kSelected;
          break;
        }
      }
      added = true;
    }
    S.ObjSel[k] = kSelected;
  }
  for (int32_t k = S.ObjN; k >= 1; --k) {
    if (S.ObjSel[k] == kSelected) {
      S.ObjSel[k] = kCurrent;
      break;
    }
  }
  return true;
}

}  // namespace kw::pathcore
