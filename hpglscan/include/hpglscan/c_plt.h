// CPlt: the PLT (HP-GL) reader. A host connects its sinks, calls OpenFile,
// and inside each OutPolyline event copies the points with GetXYData.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "hpglscan/plt_events.h"

namespace kw::hpglscan {

class CPlt {
 public:
  // Sinks are called in connection order; a sink connected twice is called once.
  void Connect(CPltEvents* sink);
  void Disconnect(CPltEvents* sink);

  // Scans the file, raising OutPolyline for every polyline. Res becomes -1 when
  // the file cannot be opened (or a scan is already running in the process)
  // and is left alone otherwise.
  void OpenFile(const std::string& FileName, int32_t& Res);

  // Copies the pending polyline into X[0..] and Y[0..]: never more points than
  // are pending, and never more than the shorter of the two arrays holds.
  void GetXYData(std::span<int32_t> X, std::span<int32_t> Y) const;

 private:
  void Raise(int32_t Count, int32_t SP);

  std::vector<CPltEvents*> sinks_;
};

}  // namespace kw::hpglscan
