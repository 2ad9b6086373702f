#include "document/bitmap_resample.h"

#include <algorithm>

namespace kw::pathcore {
namespace {

// The mean blue level of the source pixels under one target pixel.
uint8_t MeanBlue(const BmpPicture& p, int64_t x0, int64_t x1, int64_t y0, int64_t y1) {
  uint64_t sum = 0, count = 0;
  for (int64_t y = y0; y < y1; ++y) {
    for (int64_t x = x0; x < x1; ++x) {
      sum += p.Rgb[static_cast<size_t>(y * p.Width + x)] & 0xFF;
      ++count;
    }
  }
  return static_cast<uint8_t>(count ? (sum + count / 2) / count : 0);
}

}  // namespace

Bitmap24 Resample24(const BmpPicture& picture, int32_t width, int32_t height) {
  Bitmap24 out;
  if (width <= 0 || height <= 0 || picture.Width <= 0 || picture.Height <= 0) return out;
  if (picture.Rgb.size() < static_cast<size_t>(picture.Width) * static_cast<size_t>(picture.Height)) return out;
  out.Width = width;
  out.Height = height;
  out.Blue.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
  for (int32_t ty = 0; ty < height; ++ty) {
    // Source rows under target row ty (top-down), at least one.
    const int64_t y0 = static_cast<int64_t>(ty) * picture.Height / height;
    const int64_t y1 = std::max<int64_t>(y0 + 1, static_cast<int64_t>(ty + 1) * picture.Height / height);
    const size_t storedRow = static_cast<size_t>(height - 1 - ty);
    for (int32_t tx = 0; tx < width; ++tx) {
      const int64_t x0 = static_cast<int64_t>(tx) * picture.Width / width;
      const int64_t x1 = std::max<int64_t>(x0 + 1, static_cast<int64_t>(tx + 1) * picture.Width / width);
      out.Blue[storedRow * static_cast<size_t>(width) + static_cast<size_t>(tx)] = MeanBlue(picture, x0, x1, y0, y1);
    }
  }
  return out;
}

}  // namespace kw::pathcore
