#include "document/distance_order.h"

#include "document/end_point_tree.h"
#include "geometry/point_geometry.h"

namespace kw::pathcore {
namespace {

struct Cursor {
  double x = 0;
  double y = 0;
};

// Where the path ends once it is placed, reversed or not.
Cursor EndOf(const PathStore& s, const Placement& p) {
  return p.reversed ? Cursor{s.ObjSx[p.index], s.ObjSy[p.index]} : Cursor{s.ObjEx[p.index], s.ObjEy[p.index]};
}

}  // namespace

std::vector<Placement> DistanceOrderByScan(const PathStore& s, const PlacementProgress& progress) {
  std::vector<Placement> order;
  if (s.ObjN == 0) return order;
  std::vector<bool> visited(static_cast<size_t>(s.ObjN) + 1, false);
  order.push_back({1, false});
  visited[1] = true;
  int32_t lowest = 1;
  while (static_cast<int32_t>(order.size()) < s.ObjN) {
    const Cursor at = EndOf(s, order.back());
    while (visited[lowest]) ++lowest;
    const double toLast = PointDistance(at.x, at.y, s.ObjEx[lowest], s.ObjEy[lowest]);
    const double toFirst = PointDistance(at.x, at.y, s.ObjSx[lowest], s.ObjSy[lowest]);
    Placement best{lowest, toLast <= toFirst};
    double bestDistance = best.reversed ? toLast : toFirst;
    for (int32_t j = lowest; j <= s.ObjN; ++j) {
      if (visited[j]) continue;
      const double first = PointDistance(at.x, at.y, s.ObjSx[j], s.ObjSy[j]);
      if (first < bestDistance) best = {j, false}, bestDistance = first;
      const double last = PointDistance(at.x, at.y, s.ObjEx[j], s.ObjEy[j]);
      if (last < bestDistance) best = {j, true}, bestDistance = last;
    }
    visited[best.index] = true;
    order.push_back(best);
    if (progress) progress(static_cast<int32_t>(order.size()));
  }
  return order;
}

std::vector<Placement> DistanceOrderBySearch(const PathStore& s, const PlacementProgress& progress) {
  std::vector<Placement> order;
  if (s.ObjN == 0) return order;
  EndPointTree tree(s);
  tree.RemoveObject(1);
  order.push_back({1, false});
  while (static_cast<int32_t>(order.size()) < s.ObjN) {
    const Cursor at = EndOf(s, order.back());
    const EndPointTree::Nearest best = tree.FindNearest(at.x, at.y);
    tree.RemoveObject(best.index);
    order.push_back({best.index, best.isLast});
    if (progress) progress(static_cast<int32_t>(order.size()));
  }
  return order;
}

}  // namespace kw::pathcore
