// The engraving outline store: outlines taken out of the object list and kept
// under the key of the frame that owns them. Frame editing and engraving work
// data share these two operations.
#pragma once

#include <cstdint>
#include <span>

#include "document/path_store.h"

namespace kw::pathcore {

// Appends the outline held at X[1..n], Y[1..n] (element 0 not read) under key.
// The store arrays end exactly at 0..DkN and 0..DkPointN.
void StoreOutline(PathStore& s, int32_t key, std::span<const float> X, std::span<const float> Y);

// Removes every outline stored under key, closing the gaps, and frees the key.
void RemoveKeyOutlines(PathStore& s, int32_t key);

}  // namespace kw::pathcore
