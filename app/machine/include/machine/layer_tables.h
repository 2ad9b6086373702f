// The program's one cut-layer table and one layer map: created at start-up,
// kept until the end, saved with every project.
#pragma once

#include "machine/cut_layer.h"
#include "machine/layer_map.h"

namespace kw {

CCutLayer& CutLayers();
CLayerMap& LayerMap();

}  // namespace kw
