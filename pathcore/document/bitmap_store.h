// The records of the document's bitmap store: what a bitmap frame (kind 2)
// links to through its key.
#pragma once

#include <cstdint>
#include <vector>

#include "pathcore/bmp_picture.h"

namespace kw::pathcore {

// The 14-byte bitmap file header as stored at import.
struct BitmapFileHeader {
  uint16_t bfType = 0;
  uint32_t bfSize = 0;       // bytes
  uint16_t bfReserved1 = 0;
  uint16_t bfReserved2 = 0;
  uint32_t bfOffBits = 0;    // bytes from the file start to the pixel rows
};

// The 40-byte bitmap info header as stored at import.
struct BitmapInfoHeader {
  uint32_t biSize = 0;
  int32_t biWidth = 0;       // pixels
  int32_t biHeight = 0;      // pixels; negative for top-down rows
  uint16_t biPlanes = 0;
  uint16_t biBitCount = 0;   // bits per pixel
  uint32_t biCompression = 0;
  uint32_t biSizeImage = 0;  // bytes
  int32_t biXPelsPerMeter = 0;
  int32_t biYPelsPerMeter = 0;
  uint32_t biClrUsed = 0;
  uint32_t biClrImportant = 0;
};

// One imported bitmap: its headers, the bytes that followed them in the file
// (colour table and pixel rows) and its size.
struct BmpInfoRecord {
  BitmapFileHeader FileHeader;
  BitmapInfoHeader InfoHeader;
  std::vector<uint8_t> Data;
  float WidthMm = 0;    // mm
  float HeightMm = 0;   // mm
  int32_t WidthPx = 0;  // pixels
  int32_t HeightPx = 0; // pixels
};

}  // namespace kw::pathcore
