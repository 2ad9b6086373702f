#include "machine/layer_tables.h"

namespace kw {

CCutLayer& CutLayers() {
  static CCutLayer table;
  return table;
}

CLayerMap& LayerMap() {
  static CLayerMap map;
  return map;
}

}  // namespace kw
