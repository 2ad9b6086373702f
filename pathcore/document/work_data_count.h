// How many paths a layer-by-layer work-data request will hand to OutPath, so
// that a host can show its progress against the right total from the first
// path on.
#pragma once

#include <cstdint>
#include <vector>

#include "pathcore/document/path_obj.h"

namespace pathcore {

// Every object of a cut layer (type 0) in the layer order, plus the one lead
// stroke before the first tool layer; with selectedOnly, only selected objects,
// as GetWorkDat_Layer_Sel outputs them. The arguments are those of the request.
int32_t WorkDataPathCount(const CPathObj& doc, int16_t LayerCount, const std::vector<int16_t>& LayerSort,
                          const std::vector<int16_t>& LayerType, bool selectedOnly);

}  // namespace pathcore
