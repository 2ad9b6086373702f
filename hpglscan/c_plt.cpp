#include "hpglscan/c_plt.h"

#include <algorithm>

#include "pending_polyline.h"
#include "plt_scanner.h"
#include "support/buffered_file.h"

namespace kw::hpglscan {

namespace {
// The pending polyline is shared by the process, so a second scan started from
// inside an event would corrupt the first one.
bool scanRunning = false;
}  // namespace

void CPlt::Connect(CPltEvents* sink) {
  if (sink && std::find(sinks_.begin(), sinks_.end(), sink) == sinks_.end()) sinks_.push_back(sink);
}

void CPlt::Disconnect(CPltEvents* sink) { std::erase(sinks_, sink); }

void CPlt::OpenFile(const std::string& FileName, int32_t& Res) {
  kw::BufferedFile file;
  if (scanRunning || !file.Open(FileName)) {
    Res = -1;
    return;
  }
  scanRunning = true;
  SharedPendingPolyline().Clear();
  try {
    PltScanner scanner(file, SharedPendingPolyline(), SharedCurrentPen(),
                       [this](int32_t Count, int32_t SP) { Raise(Count, SP); });
    scanner.Run();
  } catch (...) {
    // Out of memory for a giant polyline: the scan ends with what was delivered.
    SharedPendingPolyline().Clear();
  }
  scanRunning = false;
}

void CPlt::GetXYData(std::span<int32_t> X, std::span<int32_t> Y) const {
  const PendingPolyline& pending = SharedPendingPolyline();
  const size_t n = std::min({pending.X.size(), X.size(), Y.size()});
  std::copy_n(pending.X.begin(), n, X.begin());
  std::copy_n(pending.Y.begin(), n, Y.begin());
}

// A sink's failure is its own business: the scan goes on with the next sink.
void CPlt::Raise(int32_t Count, int32_t SP) {
  const std::vector<CPltEvents*> sinks = sinks_;  // a sink may disconnect itself
  for (CPltEvents* sink : sinks) {
    try {
      sink->OutPolyline(Count, SP);
    } catch (...) {
    }
  }
}

}  // namespace kw::hpglscan
