// Sorting of a companion list (indices, usually) by an integer key.
#pragma once

#include <cstdint>
#include <vector>

namespace kw::pathcore {

// Sorts key[low..high] ascending and moves companion's elements along with
// their keys; not stable. The range is clipped to both vectors, so a range
// that reaches past either one sorts only what exists.
void SortByKey(std::vector<int32_t>& key, std::vector<int32_t>& companion, int32_t low, int32_t high);

}  // namespace kw::pathcore
