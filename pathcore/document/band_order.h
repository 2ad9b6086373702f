// Band ordering of the objects of one nesting level: a sweep in horizontal
// bands from the top, alternating left-to-right and right-to-left, each band
// cut into cells the mean object size wide.
#pragma once

#include <cstdint>
#include <vector>

#include "document/path_store.h"

namespace kw::pathcore {

// objects holds object indices at 1..m. Returns Index at 0..m: Index(m - t + 1)
// is the position (1..m) of the t-th object the sweep takes.
std::vector<int32_t> BandOrder(const PathStore& s, const std::vector<int32_t>& objects);

}  // namespace kw::pathcore
