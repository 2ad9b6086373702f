#include "hpglscan/pending_polyline.h"

namespace hpglscan {

PendingPolyline& SharedPendingPolyline() {
  static PendingPolyline pending;
  return pending;
}

int32_t& SharedCurrentPen() {
  static int32_t pen = 0;  // the pen before any pen-select of the process
  return pen;
}

}  // namespace hpglscan
