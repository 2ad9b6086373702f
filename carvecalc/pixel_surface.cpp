#include "carvecalc/pixel_surface.h"

#include <algorithm>

namespace kw::carvecalc {

MemorySurface::MemorySurface(int32_t width, int32_t height, uint32_t background)
    : width_(std::max(0, width)), height_(std::max(0, height)) {
  if (static_cast<int64_t>(width_) * height_ > kMaxPixels) width_ = height_ = 0;
  pixels_.assign(static_cast<size_t>(width_) * static_cast<size_t>(height_), background & 0xFFFFFF);
}

uint32_t MemorySurface::GetPixel(int32_t x, int32_t y) const {
  if (!Inside(x, y)) return kNoPixel;
  return pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
}

void MemorySurface::SetPixel(int32_t x, int32_t y, uint32_t rgb) {
  if (Inside(x, y)) pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)] = rgb & 0xFFFFFF;
}

int GreyOf(uint32_t rgb) {
  return static_cast<int>(((rgb >> 16) & 0xFF) + ((rgb >> 8) & 0xFF) + (rgb & 0xFF)) / 3;
}

}  // namespace kw::carvecalc
