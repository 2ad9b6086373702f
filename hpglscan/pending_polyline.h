// The polyline being collected and the pen in force. Both are single
// instances shared by every CPlt of the process: the pen carries over from
// one scan to the next.
#pragma once

#include <cstdint>
#include <vector>

namespace kw::hpglscan {

struct PendingPolyline {
  std::vector<int32_t> X;  // plotter units, file order
  std::vector<int32_t> Y;  // plotter units

  int32_t Count() const { return static_cast<int32_t>(X.size()); }
  void Append(int32_t x, int32_t y) {
    X.push_back(x);
    Y.push_back(y);
  }
  void Clear() {
    X.clear();
    Y.clear();
  }
};

PendingPolyline& SharedPendingPolyline();
int32_t& SharedCurrentPen();

}  // namespace kw::hpglscan
