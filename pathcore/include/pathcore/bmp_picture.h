// A bitmap decoded for drawing, as the document hands it to its canvas.
#pragma once

#include <cstdint>
#include <vector>

namespace kw::pathcore {

// Rows top to bottom, 0xRRGGBB per pixel.
struct BmpPicture {
  int32_t Width = 0;   // pixels
  int32_t Height = 0;  // pixels
  std::vector<uint32_t> Rgb;
};

}  // namespace kw::pathcore
