// The paths a run will cut, worked out before it starts: the same work-data
// request the run makes, taken from a copy of the document.
#pragma once

#include <cstdint>
#include <vector>

#include "machine/cut_layer.h"
#include "machine/layer_map.h"
#include "machine/machine_settings.h"
#include "pathcore/path_obj.h"

namespace kw {

struct PlannedPath {
  std::vector<int32_t> X, Y;  // pulses, points 1..n (element 0 unused)
  int16_t layer = 0;          // the layer argument the run gets with the path
};

// Every path the run will move for, in run order, with the closing overlap
// of its layer applied; paths the run passes over are left out. The
// document itself is left exactly as it was.
std::vector<PlannedPath> PlannedPaths(kw::pathcore::CPathObj& doc, const MachineSettings& s,
                                      const CCutLayer& cutLayers, const CLayerMap& layerMap, bool selection);

}  // namespace kw
