// A k-d tree over the first and last points of every object, with removal,
// for the nearest-end search of distance ordering. Each node counts the ends
// still in it, so emptied parts of the drawing cost nothing to skip.
#pragma once

#include <cstdint>
#include <vector>

#include "document/path_store.h"

namespace kw::pathcore {

class EndPointTree {
 public:
  struct Nearest {
    int32_t index = 0;    // object
    bool isLast = false;  // the nearest end is the object's last point
  };

  explicit EndPointTree(const PathStore& s);

  // Takes both ends of object k out of the search.
  void RemoveObject(int32_t k);

  // The remaining end nearest to (x, y) by PointDistance. Ties go to the lowest
  // object index; on its own tie the lowest remaining object prefers its last
  // point and every other object its first point. Requires a remaining object.
  Nearest FindNearest(double x, double y);

 private:
  struct Node {
    double xmin, xmax, ymin, ymax;  // mm, box of the ends below
    int32_t lo, hi;                 // range in ends_
    int32_t left, right, parent;    // node indices, -1 for none
    int32_t alive;                  // ends still searchable below
  };
  struct Candidate {
    double distance;
    int32_t end;
  };

  int32_t Build(int32_t lo, int32_t hi, int32_t parent);
  void Search(int32_t node, double x, double y, Candidate& best) const;
  bool Better(double distance, int32_t end, const Candidate& best) const;
  double BoxDistance(const Node& n, double x, double y) const;
  void RemoveEnd(int32_t end);

  // End e belongs to object e / 2 + 1; even ends are first points, odd ones last points.
  std::vector<double> x_, y_;     // by end
  std::vector<int32_t> ends_;     // ends in tree order
  std::vector<int32_t> leafOf_;   // by end
  std::vector<bool> removed_;     // by end
  std::vector<Node> nodes_;
  int32_t lowest_ = 1;            // lowest object not removed
  int32_t objN_ = 0;
};

}  // namespace kw::pathcore
