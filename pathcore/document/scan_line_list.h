// Building the raster lines of one engraving frame or bitmap: the reversal of
// every second line for bidirectional scanning, and the lead-in and lead-out
// positions where the head turns between lines.
#pragma once

#include <cstdint>
#include <vector>

#include "pathcore/path_obj_events.h"

namespace kw::pathcore {

struct ScanSettings {
  bool Enabled = false;
  int16_t Dpi = 0;       // lines per inch
  bool BmpMode = false;  // bitmaps: burn dark pixels instead of light ones
  bool Dir = false;      // bidirectional: every second line reversed
  int32_t AccL = 0;      // machine units, lead-in and lead-out length
  int32_t BackGap = 0;   // machine units, taken off every X of a reversed line
};

class ScanLineList {
 public:
  explicit ScanLineList(const ScanSettings& settings) : settings_(settings) { lines_.resize(1); }

  // Appends a line from its crossings in ascending order; a line without
  // crossings is not appended and does not count.
  void Append(std::vector<int32_t> crossings, int32_t y);

  int32_t Count() const { return static_cast<int32_t>(lines_.size()) - 1; }

  // Sets Xs and Xz of every line and hands the list over (element 0 unused).
  std::vector<ScanLine> Finish();

 private:
  ScanSettings settings_;
  std::vector<ScanLine> lines_;
};

}  // namespace kw::pathcore
