// Distance ordering: starting with object 1, always go to the unplaced path
// whose nearer end is nearest to where the last one ended, reversing it when
// that end is its last point.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "document/path_store.h"

namespace kw::pathcore {

struct Placement {
  int32_t index = 0;      // old object index
  bool reversed = false;  // the path is run backwards
};

// Called after each placement with the number of objects placed so far.
using PlacementProgress = std::function<void(int32_t placed)>;

// The order as the plain quadratic scan finds it: kept as the reference the
// fast search must match exactly.
std::vector<Placement> DistanceOrderByScan(const PathStore& s, const PlacementProgress& progress);

// The same order found through a k-d tree of the path ends, with the same
// distances and the same tie rules: the lowest index wins; the lowest unplaced
// object prefers its last point on a tie, every other object its first point.
std::vector<Placement> DistanceOrderBySearch(const PathStore& s, const PlacementProgress& progress);

}  // namespace kw::pathcore
