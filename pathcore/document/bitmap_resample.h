// Resampling of a stored bitmap to the scan resolution: a 24-bit picture of
// exactly the requested size, rows bottom-up as a bitmap file stores them.
#pragma once

#include <cstdint>
#include <vector>

#include "document/bitmap_store.h"

namespace kw::pathcore {

struct Bitmap24 {
  int32_t Width = 0;            // pixels
  int32_t Height = 0;           // pixels
  std::vector<uint8_t> Blue;    // by stored row (0 = bottom) then column; the byte the scan reads
};

// Box-filtered resampling of a decoded picture to width x height pixels.
// Returns an empty bitmap when either size is not positive or the picture is empty.
Bitmap24 Resample24(const BmpPicture& picture, int32_t width, int32_t height);

}  // namespace kw::pathcore
