#include "pending_polyline.h"

namespace kw::hpglscan {

PendingPolyline& SharedPendingPolyline() {
  static PendingPolyline pending;
  return pending;
}

int32_t& SharedCurrentPen() {
  static int32_t pen = 0;  // the pen before any pen-select of the process
  return pen;
}

}  // namespace kw::hpglscan
