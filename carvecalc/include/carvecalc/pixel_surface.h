// The drawing surface Carvecalc's raster methods read and write: pixels by
// integer coordinates (x to the right, y downwards), colours as 0xRRGGBB.
#pragma once

#include <cstdint>
#include <vector>

namespace kw::carvecalc {

class PixelSurface {
 public:
  // What GetPixel returns for a pixel outside the surface.
  static constexpr uint32_t kNoPixel = 0xFFFFFFFF;

  virtual ~PixelSurface() = default;
  virtual int32_t Width() const = 0;   // px
  virtual int32_t Height() const = 0;  // px
  virtual uint32_t GetPixel(int32_t x, int32_t y) const = 0;
  // Pixels outside the surface are ignored.
  virtual void SetPixel(int32_t x, int32_t y, uint32_t rgb) = 0;
  // The colour outlines are drawn with.
  virtual uint32_t ForeColor() const { return 0x000000; }
};

// A surface held in memory, for tests and for callers without a screen.
class MemorySurface : public PixelSurface {
 public:
  static constexpr int64_t kMaxPixels = 400'000'000;
  // Width and height below 0 count as 0; a surface of more than kMaxPixels
  // pixels cannot be held and comes out 0 x 0.
  MemorySurface(int32_t width, int32_t height, uint32_t background = 0xFFFFFF);

  int32_t Width() const override { return width_; }
  int32_t Height() const override { return height_; }
  uint32_t GetPixel(int32_t x, int32_t y) const override;
  void SetPixel(int32_t x, int32_t y, uint32_t rgb) override;
  uint32_t ForeColor() const override { return fore_; }
  void SetForeColor(uint32_t rgb) { fore_ = rgb; }

 private:
  bool Inside(int32_t x, int32_t y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  int32_t width_;
  int32_t height_;
  std::vector<uint32_t> pixels_;
  uint32_t fore_ = 0x000000;
};

// Grey level 0..255 of a colour: the mean of its red, green and blue.
int GreyOf(uint32_t rgb);

}  // namespace kw::carvecalc
