// How many layers the program works with: layers 0..kLayerCount, in the
// cut-layer table, the layer map, the layer toolbar and every work-data request.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kw {

inline constexpr int16_t kLayerCount = 14;                          // highest layer number
inline constexpr size_t kLayerSlots = static_cast<size_t>(kLayerCount) + 1;  // layers 0..kLayerCount

}  // namespace kw
