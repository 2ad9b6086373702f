#include "document/end_point_tree.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "geometry/point_geometry.h"

namespace kw::pathcore {
namespace {

constexpr int32_t kLeafSize = 8;  // ends per leaf

int32_t ObjectOf(int32_t end) { return end / 2 + 1; }
bool IsLast(int32_t end) { return (end & 1) != 0; }

}  // namespace

EndPointTree::EndPointTree(const PathStore& s) : objN_(s.ObjN) {
  const size_t count = static_cast<size_t>(s.ObjN) * 2;
  x_.resize(count);
  y_.resize(count);
  for (int32_t k = 1; k <= s.ObjN; ++k) {
    const size_t first = static_cast<size_t>(k - 1) * 2;
    x_[first] = s.ObjSx[k];
    y_[first] = s.ObjSy[k];
    x_[first + 1] = s.ObjEx[k];
    y_[first + 1] = s.ObjEy[k];
  }
  ends_.resize(count);
  for (size_t e = 0; e < count; ++e) ends_[e] = static_cast<int32_t>(e);
  leafOf_.resize(count);
  removed_.assign(count, false);
  nodes_.reserve(count / kLeafSize * 2 + 2);
  if (count > 0) Build(0, static_cast<int32_t>(count), -1);
}

int32_t EndPointTree::Build(int32_t lo, int32_t hi, int32_t parent) {
  const auto id = static_cast<int32_t>(nodes_.size());
  Node n{x_[ends_[lo]], x_[ends_[lo]], y_[ends_[lo]], y_[ends_[lo]], lo, hi, -1, -1, parent, hi - lo};
  for (int32_t i = lo + 1; i < hi; ++i) {
    n.xmin = std::min(n.xmin, x_[ends_[i]]);
    n.xmax = std::max(n.xmax, x_[ends_[i]]);
    n.ymin = std::min(n.ymin, y_[ends_[i]]);
    n.ymax = std::max(n.ymax, y_[ends_[i]]);
  }
  nodes_.push_back(n);
  if (hi - lo <= kLeafSize) {
    for (int32_t i = lo; i < hi; ++i) leafOf_[ends_[i]] = id;
    return id;
  }
  const int32_t mid = lo + (hi - lo) / 2;
  const bool alongX = n.xmax - n.xmin >= n.ymax - n.ymin;
  const auto& key = alongX ? x_ : y_;
  std::nth_element(ends_.begin() + lo, ends_.begin() + mid, ends_.begin() + hi,
                   [&key](int32_t a, int32_t b) { return key[a] < key[b]; });
  const int32_t left = Build(lo, mid, id);
  const int32_t right = Build(mid, hi, id);
  nodes_[id].left = left;
  nodes_[id].right = right;
  return id;
}

void EndPointTree::RemoveEnd(int32_t end) {
  if (removed_[end]) return;
  removed_[end] = true;
  for (int32_t n = leafOf_[end]; n >= 0; n = nodes_[n].parent) --nodes_[n].alive;
}

void EndPointTree::RemoveObject(int32_t k) {
  RemoveEnd((k - 1) * 2);
  RemoveEnd((k - 1) * 2 + 1);
  while (lowest_ <= objN_ && removed_[(lowest_ - 1) * 2]) ++lowest_;
}

// A lower bound of PointDistance to every end in the box: the same rounded
// operations on differences that are never larger.
double EndPointTree::BoxDistance(const Node& n, double x, double y) const {
  const double dx = x < n.xmin ? n.xmin - x : (x > n.xmax ? x - n.xmax : 0.0);
  const double dy = y < n.ymin ? n.ymin - y : (y > n.ymax ? y - n.ymax : 0.0);
  return std::sqrt(dx * dx + dy * dy);
}

bool EndPointTree::Better(double distance, int32_t end, const Candidate& best) const {
  if (best.end < 0 || distance < best.distance) return true;
  if (distance > best.distance) return false;
  const int32_t object = ObjectOf(end), bestObject = ObjectOf(best.end);
  if (object != bestObject) return object < bestObject;
  return object == lowest_ ? IsLast(end) : !IsLast(end);
}

void EndPointTree::Search(int32_t id, double x, double y, Candidate& best) const {
  const Node& n = nodes_[id];
  if (n.alive == 0) return;
  if (best.end >= 0 && BoxDistance(n, x, y) > best.distance) return;
  if (n.left < 0) {
    for (int32_t i = n.lo; i < n.hi; ++i) {
      const int32_t end = ends_[i];
      if (removed_[end]) continue;
      const double d = PointDistance(x, y, x_[end], y_[end]);
      if (Better(d, end, best)) best = {d, end};
    }
    return;
  }
  const bool leftFirst = BoxDistance(nodes_[n.left], x, y) <= BoxDistance(nodes_[n.right], x, y);
  Search(leftFirst ? n.left : n.right, x, y, best);
  Search(leftFirst ? n.right : n.left, x, y, best);
}

EndPointTree::Nearest EndPointTree::FindNearest(double x, double y) {
  Candidate best{std::numeric_limits<double>::infinity(), -1};
  if (!nodes_.empty()) Search(0, x, y, best);
  if (best.end < 0) return {};
  return {ObjectOf(best.end), IsLast(best.end)};
}

}  // namespace kw::pathcore
