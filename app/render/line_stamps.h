// The pixels Qt's painter sets for a thin line between two whole-pixel points
// a few pixels apart, learnt by letting the painter draw each such line once.
// The painter sets the same pixels wherever such a line lies, so the pattern
// found for a direction and length stands for every later line like it.
#pragma once

#include <QPoint>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace kw {

class LineStamps {
 public:
  static constexpr int kReach = 4;  // the farthest end, pixels in x and in y

  // The patterns of one-pixel solid lines without antialiasing.
  static const LineStamps& Hairlines();

  // Pixels painted for the line from (0, 0) to (dx, dy), |dx| and |dy| <= kReach.
  std::span<const QPoint> Of(int dx, int dy) const {
    const Range r = ranges_[Index(dx, dy)];
    return std::span(offsets_).subspan(r.first, r.count);
  }

 private:
  struct Range {
    uint16_t first = 0, count = 0;
  };
  static constexpr int kSide = 2 * kReach + 1;
  static constexpr int Index(int dx, int dy) { return (dy + kReach) * kSide + dx + kReach; }

  LineStamps();

  std::vector<QPoint> offsets_;
  std::array<Range, kSide * kSide> ranges_{};
};

}  // namespace kw
