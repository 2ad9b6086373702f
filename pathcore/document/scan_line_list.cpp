#include "document/scan_line_list.h"

#include <algorithm>

namespace kw::pathcore {

void ScanLineList::Append(std::vector<int32_t> crossings, int32_t y) {
  if (crossings.empty()) return;
  ScanLine line;
  line.Count = static_cast<int32_t>(crossings.size());
  line.Y = y;
  const bool reversed = settings_.Dir && Count() % 2 == 1;  // the 2nd, 4th, ... line appended
  if (reversed) {
    std::reverse(crossings.begin(), crossings.end());
    for (int32_t& x : crossings) x -= settings_.BackGap;
  }
  line.X.reserve(crossings.size() + 1);
  line.X.push_back(0);
  line.X.insert(line.X.end(), crossings.begin(), crossings.end());
  lines_.push_back(std::move(line));
}

std::vector<ScanLine> ScanLineList::Finish() {
  const int32_t m = Count();
  const int32_t acc = settings_.AccL;
  if (m == 0) return std::move(lines_);
  if (!settings_.Dir) {
    for (int32_t i = 1; i <= m; ++i) {
      lines_[i].Xs = lines_[i].X[1] - acc;
      lines_[i].Xz = lines_[i].X[lines_[i].Count] + acc;
    }
    return std::move(lines_);
  }
  // The head turns between two lines at one X, outside both by at least AccL.
  lines_[1].Xs = lines_[1].X[1] - acc;
  for (int32_t i = 1; i < m; ++i) {
    ScanLine& line = lines_[i];
    ScanLine& next = lines_[i + 1];
    const bool forward = i % 2 == 1;
    const int32_t end = line.X[line.Count] + (forward ? acc : -acc);
    const int32_t start = next.X[1] + (forward ? acc : -acc);
    line.Xz = next.Xs = forward ? std::max(end, start) : std::min(end, start);
  }
  ScanLine& last = lines_[m];
  last.Xz = last.X[last.Count] + (m % 2 == 1 ? acc : -acc);
  return std::move(lines_);
}

}  // namespace kw::pathcore
