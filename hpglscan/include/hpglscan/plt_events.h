// The event interface of CPlt: a host connects a sink to receive the
// polylines of a scan.
#pragma once

#include <cstdint>

namespace kw::hpglscan {

class CPltEvents {
 public:
  virtual ~CPltEvents() = default;
  // One finished polyline of Count points collected under pen SP. The points
  // are fetched with CPlt::GetXYData while this call runs.
  virtual void OutPolyline(int32_t Count, int32_t SP) { (void)Count, (void)SP; }
};

}  // namespace kw::hpglscan
