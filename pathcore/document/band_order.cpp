#include "document/band_order.h"

#include <algorithm>

namespace kw::pathcore {
namespace {

constexpr double kSmallestCell = 3.0;  // mm; cells never shrink below this

struct Box {
  double xmin, xmax, ymin, ymax;  // mm
};

struct Sweep {
  const PathStore& s;
  const std::vector<int32_t>& objects;
  std::vector<bool> taken;
  std::vector<int32_t> takenOrder;  // positions 1..m
  std::vector<int32_t> bandMembers;  // untaken positions that reach into the band

  bool Touches(int32_t position, double left, double right, double bottom, double top) const {
    const int32_t k = objects[position];
    return left <= s.ObjXmax[k] && s.ObjXmin[k] <= right && s.ObjYmax[k] >= bottom && s.ObjYmin[k] <= top;
  }

  // Only objects that reach into the band can touch one of its cells.
  void CollectBand(double bottom, double top) {
    bandMembers.clear();
    for (size_t p = 1; p < objects.size(); ++p) {
      const int32_t k = objects[p];
      if (!taken[p] && s.ObjYmax[k] >= bottom && s.ObjYmin[k] <= top) bandMembers.push_back(static_cast<int32_t>(p));
    }
  }

  int32_t TakeCell(double left, double right, double bottom, double top) {
    int32_t count = 0;
    for (const int32_t p : bandMembers) {
      if (taken[p] || !Touches(p, left, right, bottom, top)) continue;
      taken[p] = true;
      takenOrder.push_back(p);
      ++count;
    }
    return count;
  }
};

Box UnionBox(const PathStore& s, const std::vector<int32_t>& objects, double& meanWidth, double& meanHeight) {
  const int32_t first = objects[1];
  Box box{s.ObjXmin[first], s.ObjXmax[first], s.ObjYmin[first], s.ObjYmax[first]};
  double widths = 0, heights = 0;
  for (size_t p = 1; p < objects.size(); ++p) {
    const int32_t k = objects[p];
    box.xmin = std::min<double>(box.xmin, s.ObjXmin[k]);
    box.xmax = std::max<double>(box.xmax, s.ObjXmax[k]);
    box.ymin = std::min<double>(box.ymin, s.ObjYmin[k]);
    box.ymax = std::max<double>(box.ymax, s.ObjYmax[k]);
    widths += s.ObjXmax[k] - s.ObjXmin[k];
    heights += s.ObjYmax[k] - s.ObjYmin[k];
  }
  const double m = static_cast<double>(objects.size() - 1);
  meanWidth = std::max(widths / m, kSmallestCell);
  meanHeight = std::max(heights / m, kSmallestCell);
  return box;
}

}  // namespace

std::vector<int32_t> BandOrder(const PathStore& s, const std::vector<int32_t>& objects) {
  const auto m = static_cast<int32_t>(objects.size()) - 1;
  std::vector<int32_t> index(static_cast<size_t>(std::max(m, 1)) + 1, 0);
  if (m <= 1) {
    index[1] = 1;
    return index;
  }
  double aw = 0, ah = 0;
  const Box box = UnionBox(s, objects, aw, ah);
  const double leftLimit = box.xmin - aw, rightLimit = box.xmax + aw;
  Sweep sweep{s, objects, std::vector<bool>(static_cast<size_t>(m) + 1, false), {}, {}};
  bool leftToRight = true;
  double x = leftLimit;
  double rightStart = rightLimit;  // where right-to-left bands begin: where the last left-to-right one ended
  // Band borders are whole multiples of ah below Ymax, not a running sum, so
  // the first band's bottom is Ymax exactly and no border drifts.
  for (int32_t band = 0;; ++band) {
    const double top = band == 0 ? box.ymax + ah : box.ymax - (band - 1) * ah;
    const double bottom = box.ymax - band * ah;
    if (top <= box.ymin - ah || static_cast<int32_t>(sweep.takenOrder.size()) >= m) break;
    sweep.CollectBand(bottom, top);
    int32_t took = 0;
    if (leftToRight) {
      for (x = leftLimit; x < rightLimit; x += aw) took += sweep.TakeCell(x, x + aw, bottom, top);
      rightStart = x;
    } else {
      for (x = rightStart; x > leftLimit; x -= aw) took += sweep.TakeCell(x, x + aw, bottom, top);
    }
    if (took > 0) leftToRight = !leftToRight;
  }
  // Rounding of the sweep must never lose an object: stragglers follow in input order.
  for (int32_t p = 1; p <= m; ++p) {
    if (!sweep.taken[p]) sweep.takenOrder.push_back(p);
  }
  for (int32_t t = 1; t <= m; ++t) index[m - t + 1] = sweep.takenOrder[t - 1];
  return index;
}

}  // namespace kw::pathcore
