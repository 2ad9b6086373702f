#include "import/dst.h"

#include <algorithm>

#include "support/file_replace.h"
#include "support/byte_reader.h"

namespace kw::pathcore {

namespace {

// Steps of bits 0..7 of each record byte (x, y).
constexpr int8_t kB1x[8] = {1, -1, 9, -9, 0, 0, 0, 0};
constexpr int8_t kB1y[8] = {0, 0, 0, 0, -9, 9, -1, 1};
constexpr int8_t kB2x[8] = {3, -3, 27, -27, 0, 0, 0, 0};
constexpr int8_t kB2y[8] = {0, 0, 0, 0, -27, 27, -3, 3};
constexpr int8_t kB3x[8] = {0, 0, 81, -81, 0, 0, 0, 0};
constexpr int8_t kB3y[8] = {0, 0, 0, 0, -81, 81, 0, 0};

bool IsStitch(uint8_t b3) { return (b3 & 0xC3) == 3; }

}  // namespace

void DstRecordMove(uint8_t b1, uint8_t b2, uint8_t b3, int32_t& dx, int32_t& dy) {
  dx = dy = 0;
  for (int bit = 0; bit < 8; ++bit) {
    const int m = 1 << bit;
    if (b1 & m) dx += kB1x[bit], dy += kB1y[bit];
    if (b2 & m) dx += kB2x[bit], dy += kB2y[bit];
    if (b3 & m) dx += kB3x[bit], dy += kB3y[bit];
  }
}

int16_t CDst::DstInput(const std::string& FileName) {
  const auto bytes = kw::ReadWholeFile(FileName);
  if (!bytes) return -1;
  ReadRecords(*bytes);
  return 0;
}

void CDst::ReadRecords(std::span<const uint8_t> file) {
  kw::ByteReader in(file);
  X.assign(1, 0.0);
  Y.assign(1, 0.0);
  in.Skip(std::min(kHeaderBytes, in.Remaining()));
  // Positions stay far inside 64 bits for any file that fits in memory.
  int64_t x = 0, y = 0;
  bool afterBreak = false;
  while (in.CanRead(3)) {
    const uint8_t b1 = in.U8(), b2 = in.U8(), b3 = in.U8();
    int32_t dx = 0, dy = 0;
    DstRecordMove(b1, b2, b3, dx, dy);
    x += dx;
    y += dy;
    const double px = static_cast<double>(x) * kMmPerStep, py = static_cast<double>(y) * kMmPerStep;
    if (!IsStitch(b3)) {
      RaiseIfLine();
      X.assign({0.0, px});
      Y.assign({0.0, py});
      afterBreak = true;
    } else if (afterBreak) {
      X[1] = px;
      Y[1] = py;
      afterBreak = false;
    } else {
      X.push_back(px);
      Y.push_back(py);
    }
  }
  RaiseIfLine();
  if (events_) events_->OutEnd();
}

void CDst::RaiseIfLine() {
  if (X.size() >= 3 && events_) events_->OutPolyLine(X, Y);
}

}  // namespace kw::pathcore
